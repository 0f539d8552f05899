#include "download/queued_transfer.h"

#include <QTimer>

namespace tilvane {

QueuedTransfer::QueuedTransfer(std::unique_ptr<IFileTransfer> inner, QObject* parent)
    : QObject(parent), m_inner(std::move(inner))
{
}

void QueuedTransfer::fetch(const std::string& name, const std::string& partPath, Done done)
{
    QTimer::singleShot(0, this, [this, name, partPath, done = std::move(done), generation = m_generation] {
        if (generation == m_generation)
            m_inner->fetch(name, partPath, done);
    });
}

void QueuedTransfer::cancelAll()
{
    ++m_generation;
    m_inner->cancelAll();
}

} // namespace tilvane
