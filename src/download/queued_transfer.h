#pragma once

#include "core/audio/file_transfer.h"

#include <QObject>

#include <memory>

namespace tilvane {

// Runs each fetch of a transfer that completes at once (a local folder) from the event
// loop, one file per turn, so that the window stays responsive and Cancel is heard between
// files.
class QueuedTransfer : public QObject, public IFileTransfer {
    Q_OBJECT
public:
    explicit QueuedTransfer(std::unique_ptr<IFileTransfer> inner, QObject* parent = nullptr);

    void fetch(const std::string& name, const std::string& partPath, Done done) override;
    void cancelAll() override;

private:
    std::unique_ptr<IFileTransfer> m_inner;
    int m_generation = 0;
};

} // namespace tilvane
