#include "download/reciter_install_job.h"

#include "core/audio/folder_transfer.h"
#include "download/network_transfer.h"
#include "download/queued_transfer.h"

#include <QThread>
#include <QTimer>
#include <QUrl>

namespace tilvane {

ReciterInstallJob::ReciterInstallJob(const QString& name, const QString& source, const std::vector<TQuranPos>& ayat,
                                     QObject* parent)
    : QObject(parent),
      m_source(source),
      m_name(name),
      m_kind(classifyReciterSource(source.toStdString())),
      m_installer(std::make_unique<ReciterInstaller>(name.toStdString(), ayat))
{
}

ReciterInstallJob::~ReciterInstallJob()
{
    if (m_unpacker != nullptr) {
        m_unpacker->wait();
        delete m_unpacker;
        removeUnpackedArchive(m_unpacked);
    }
    m_installer->cancel();
}

void ReciterInstallJob::start()
{
    m_clock.start();
    m_installer->setMinimumFreeSpace(m_limits.minFreeBytes);
    switch (m_kind) {
    case ReciterSourceKind::Web: {
        auto transfer = std::make_unique<NetworkTransfer>(QUrl(m_source));
        transfer->setLimits(m_limits);
        if (!m_retryDelays.empty())
            transfer->setRetryDelays(m_retryDelays);
        startTransfer(std::move(transfer));
        break;
    }
    case ReciterSourceKind::Folder:
        startTransfer(std::make_unique<QueuedTransfer>(
            std::make_unique<FolderTransfer>(sourceRoot(m_source.toStdString()))));
        break;
    case ReciterSourceKind::Archive:
        emit unpackingStarted();
        m_unpacker = QThread::create([this, archive = m_source.toStdString(), name = m_name.toStdString(),
                                      minFree = m_limits.minFreeBytes] {
            m_unpacked = unpackReciterArchive(archive, name, minFree);
        });
        connect(m_unpacker, &QThread::finished, this, &ReciterInstallJob::onUnpacked);
        m_unpacker->start();
        break;
    }
}

void ReciterInstallJob::onUnpacked()
{
    m_unpacker->wait();
    delete std::exchange(m_unpacker, nullptr);
    if (!m_unpacked.problem.empty())
        m_installer->addSourceFailure(m_unpacked.problem);
    auto folder = std::make_unique<FolderTransfer>(m_unpacked.root, FolderTransfer::Mode::Move);
    startTransfer(std::make_unique<QueuedTransfer>(std::move(folder)));
    if (m_cancelRequested)
        m_installer->cancel();
}

void ReciterInstallJob::startTransfer(std::unique_ptr<IFileTransfer> transfer)
{
    m_transfer = std::move(transfer);
    m_installer->start(
        *m_transfer, [this](const InstallProgress&) { emit progressChanged(); },
        [this](const InstallSummary& summary) { onInstallerFinished(summary); });
}

// The installer is still on the stack here; listeners hear of the end from the event loop,
// so that they may delete the job.
void ReciterInstallJob::onInstallerFinished(const InstallSummary& summary)
{
    m_summary = summary;
    if (m_kind == ReciterSourceKind::Archive)
        removeUnpackedArchive(m_unpacked);
    QTimer::singleShot(0, this, [this] { emit finished(); });
}

void ReciterInstallJob::cancel()
{
    m_cancelRequested = true;
    m_installer->cancel();
}

double ReciterInstallJob::bytesPerSecond() const
{
    const qint64 elapsed = m_clock.isValid() ? m_clock.elapsed() : 0;
    return elapsed > 0 ? static_cast<double>(m_installer->progress().bytes) * 1000.0 / static_cast<double>(elapsed) : 0.0;
}

} // namespace tilvane
