#pragma once

#include "core/audio/install_limits.h"
#include "core/audio/reciter_installer.h"
#include "core/audio/reciter_source.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class QThread;

namespace tilvane {

// One install of a reciter from a web folder, a local folder or an archive, for the install
// dialog and the command-line tool alike. An archive is unpacked on a worker thread first.
class ReciterInstallJob : public QObject {
    Q_OBJECT
public:
    // Throws TilvaneError for a name that cannot be a folder or a source that does not exist.
    ReciterInstallJob(const QString& name, const QString& source, const std::vector<TQuranPos>& ayat,
                      QObject* parent = nullptr);
    ~ReciterInstallJob() override;

    // Lets tests shorten the waits of the web transfer before they start the job.
    void setRetryDelays(std::vector<std::chrono::milliseconds> delays) { m_retryDelays = std::move(delays); }
    // Lets tests narrow the bounds of an install before they start the job.
    void setLimits(const InstallLimits& limits) { m_limits = limits; }

    void start();
    // Stops within a moment (an archive being unpacked is first unpacked to its end); what
    // is complete stays installed. finished follows.
    void cancel();

    const InstallProgress& progress() const { return m_installer->progress(); }
    const InstallSummary& summary() const { return m_summary; }
    QString folder() const { return QString::fromStdString(m_installer->folder()); }
    qint64 elapsedMilliseconds() const { return m_clock.elapsed(); }
    // Bytes fetched per second since the start.
    double bytesPerSecond() const;

signals:
    void unpackingStarted();
    void progressChanged();
    void finished();

private:
    void startTransfer(std::unique_ptr<IFileTransfer> transfer);
    void onUnpacked();
    void onInstallerFinished(const InstallSummary& summary);

    QString m_source;
    QString m_name;
    ReciterSourceKind m_kind;
    std::unique_ptr<ReciterInstaller> m_installer;
    std::unique_ptr<IFileTransfer> m_transfer;
    std::vector<std::chrono::milliseconds> m_retryDelays;
    InstallLimits m_limits;
    QThread* m_unpacker = nullptr;
    UnpackedArchive m_unpacked;
    InstallSummary m_summary;
    QElapsedTimer m_clock;
    bool m_cancelRequested = false;
};

} // namespace tilvane
