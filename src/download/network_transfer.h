#pragma once

#include "core/audio/file_transfer.h"
#include "core/audio/install_limits.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QUrl>

#include <chrono>
#include <memory>
#include <vector>

class QNetworkReply;

namespace tilvane {

// Fetches a reciter's files from a web folder (BASE/002255.mp3) with Qt Network. Bytes go to
// the file as they arrive, so memory stays bounded whatever the server sends. A file that
// breaks off, falls below the minimum rate or meets a server error is fetched again from its
// start after a growing delay; a 404, a refusal, an error no retry can mend (an unknown
// protocol, a file over the size cap, a full disk) is final at once. A body shorter than the
// length the server announced is a broken transfer, never a complete file.
class NetworkTransfer : public QObject, public IFileTransfer {
    Q_OBJECT
public:
    explicit NetworkTransfer(const QUrl& base, QObject* parent = nullptr);
    ~NetworkTransfer() override;

    // The waits before each further attempt; their count is the number of retries.
    void setRetryDelays(std::vector<std::chrono::milliseconds> delays) { m_retryDelays = std::move(delays); }
    void setLimits(const InstallLimits& limits) { m_limits = limits; }

    void fetch(const std::string& name, const std::string& partPath, Done done) override;
    void cancelAll() override;

private:
    struct Job;
    void startAttempt(const std::shared_ptr<Job>& job);
    void onReadyRead(const std::shared_ptr<Job>& job);
    void checkRate(const std::shared_ptr<Job>& job);
    void stopAttempt(const std::shared_ptr<Job>& job, const std::string& reason, bool final);
    void onFinished(const std::shared_ptr<Job>& job);
    static void stopRateTimer(Job& job);
    void retryOrFail(const std::shared_ptr<Job>& job, const std::string& error);
    void complete(const std::shared_ptr<Job>& job, const TransferResult& result);

    QNetworkAccessManager m_manager;
    QUrl m_base;
    std::vector<std::chrono::milliseconds> m_retryDelays{std::chrono::milliseconds(500), std::chrono::seconds(2),
                                                         std::chrono::seconds(5)};
    InstallLimits m_limits;
    std::vector<std::shared_ptr<Job>> m_jobs;
};

} // namespace tilvane
