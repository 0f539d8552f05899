#pragma once

#include "core/audio/file_transfer.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QUrl>

#include <chrono>
#include <memory>
#include <vector>

class QNetworkReply;

namespace tilvane {

// Fetches a reciter's files from a web folder (BASE/002255.mp3) with Qt Network. A file that
// breaks off, times out or meets a server error is fetched again from its start after a
// growing delay; a 404 or a refusal is final at once. A body shorter than the length the
// server announced is a broken transfer, never a complete file.
class NetworkTransfer : public QObject, public IFileTransfer {
    Q_OBJECT
public:
    explicit NetworkTransfer(const QUrl& base, QObject* parent = nullptr);
    ~NetworkTransfer() override;

    // The waits before each further attempt; their count is the number of retries.
    void setRetryDelays(std::vector<std::chrono::milliseconds> delays) { m_retryDelays = std::move(delays); }
    // A transfer that receives nothing for this long is broken off and retried.
    void setStallTimeout(std::chrono::milliseconds timeout) { m_stallTimeout = timeout; }

    void fetch(const std::string& name, const std::string& partPath, Done done) override;
    void cancelAll() override;

private:
    struct Job;
    void startAttempt(const std::shared_ptr<Job>& job);
    void onFinished(const std::shared_ptr<Job>& job);
    void retryOrFail(const std::shared_ptr<Job>& job, const std::string& error);
    void complete(const std::shared_ptr<Job>& job, const TransferResult& result);

    QNetworkAccessManager m_manager;
    QUrl m_base;
    std::vector<std::chrono::milliseconds> m_retryDelays{std::chrono::milliseconds(500), std::chrono::seconds(2),
                                                         std::chrono::seconds(5)};
    std::chrono::milliseconds m_stallTimeout{30000};
    std::vector<std::shared_ptr<Job>> m_jobs;
};

} // namespace tilvane
