#include "download/network_transfer.h"

#include "core/audio/part_file.h"
#include "core/base/disk_space.h"

#include <QFile>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <filesystem>

namespace tilvane {

namespace {

// What Qt buffers per transfer before it stops reading from the socket.
constexpr qint64 kReadBufferBytes = 1024 * 1024;
// How much may be written between two looks at the disk's free space.
constexpr qint64 kFreeSpaceCheckBytes = 1024 * 1024;

bool isRetryableStatus(int status)
{
    return status == 408 || status == 429 || status >= 500;
}

// Errors that the same request meets again however often it is sent.
bool isPermanent(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::ProtocolUnknownError:
    case QNetworkReply::ProtocolInvalidOperationError:
    case QNetworkReply::SslHandshakeFailedError:
    case QNetworkReply::TooManyRedirectsError:
    case QNetworkReply::InsecureRedirectError:
    case QNetworkReply::ContentAccessDenied:
    case QNetworkReply::ContentOperationNotPermittedError:
    case QNetworkReply::AuthenticationRequiredError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return true;
    default:
        return false;
    }
}

std::string megabytes(std::int64_t bytes)
{
    return std::to_string(bytes / (1024 * 1024)) + " MB";
}

std::string durationText(std::chrono::milliseconds duration)
{
    const auto count = duration.count();
    return count % 1000 == 0 ? std::to_string(count / 1000) + " s" : std::to_string(count) + " ms";
}

} // namespace

struct NetworkTransfer::Job {
    QUrl url;
    QString partPath;
    Done done;
    std::size_t attempt = 0;
    QNetworkReply* reply = nullptr;
    std::unique_ptr<QFile> file;
    QTimer* rateTimer = nullptr;
    qint64 bytes = 0;
    qint64 bytesAtWindowStart = 0;
    qint64 bytesAtFreeSpaceCheck = 0;
    bool writeFailed = false;
    // Set when this side broke the attempt off: why, and whether a retry could help.
    std::string stopReason;
    bool stopFinal = false;
};

// Deleted later: the timer may be the one whose timeout led here.
void NetworkTransfer::stopRateTimer(Job& job)
{
    if (QTimer* timer = std::exchange(job.rateTimer, nullptr)) {
        timer->stop();
        timer->deleteLater();
    }
}

NetworkTransfer::NetworkTransfer(const QUrl& base, QObject* parent)
    : QObject(parent), m_base(base)
{
    QString path = m_base.path();
    if (!path.endsWith('/'))
        m_base.setPath(path + '/');
}

NetworkTransfer::~NetworkTransfer()
{
    cancelAll();
}

void NetworkTransfer::fetch(const std::string& name, const std::string& partPath, Done done)
{
    auto job = std::make_shared<Job>();
    job->url = m_base.resolved(QUrl(QString::fromStdString(name)));
    job->partPath = QString::fromStdString(partPath);
    job->done = std::move(done);
    m_jobs.push_back(job);
    startAttempt(job);
}

void NetworkTransfer::startAttempt(const std::shared_ptr<Job>& job)
{
    // Every attempt starts the file afresh: a partial body is never continued.
    const std::string partPath = job->partPath.toStdString();
    const int fd = openPartFile(partPath);
    if (fd < 0) {
        complete(job, {TransferResult::Status::Failed, partFileProblem(partPath, errno), 0});
        return;
    }
    job->file = std::make_unique<QFile>();
    job->file->open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle);
    job->bytes = 0;
    job->bytesAtWindowStart = 0;
    job->bytesAtFreeSpaceCheck = 0;
    job->writeFailed = false;
    job->stopReason.clear();
    job->stopFinal = false;

    QNetworkRequest request(job->url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    job->reply = m_manager.get(request);
    QNetworkReply* reply = job->reply;
    reply->setReadBufferSize(kReadBufferBytes);
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, job, reply] {
        const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
        if (announced.isValid() && announced.toLongLong() > m_limits.maxFileBytes)
            stopAttempt(job, "the server announces " + megabytes(announced.toLongLong()) + ", more than the "
                                 + megabytes(m_limits.maxFileBytes) + " an aya file may have", true);
    });
    connect(reply, &QNetworkReply::readyRead, this, [this, job] { onReadyRead(job); });
    connect(reply, &QNetworkReply::finished, this, [this, job] { onFinished(job); });

    job->rateTimer = new QTimer(this);
    connect(job->rateTimer, &QTimer::timeout, this, [this, job] { checkRate(job); });
    job->rateTimer->start(m_limits.rateWindow);
}

void NetworkTransfer::onReadyRead(const std::shared_ptr<Job>& job)
{
    QNetworkReply* reply = job->reply;
    if (reply == nullptr || !job->stopReason.empty())
        return;
    const QByteArray chunk = reply->readAll();
    job->bytes += chunk.size();
    if (job->bytes > m_limits.maxFileBytes) {
        stopAttempt(job, "larger than the " + megabytes(m_limits.maxFileBytes) + " an aya file may have", true);
        return;
    }
    if (job->file->write(chunk) != chunk.size()) {
        job->writeFailed = true;
        reply->abort();
        return;
    }
    if (job->bytes - job->bytesAtFreeSpaceCheck >= kFreeSpaceCheckBytes) {
        job->bytesAtFreeSpaceCheck = job->bytes;
        const std::string folder = std::filesystem::path(job->partPath.toStdString()).parent_path().string();
        if (isBelowFreeSpace(folder, m_limits.minFreeBytes))
            stopAttempt(job, diskFullText(folder, m_limits.minFreeBytes), true);
    }
}

// A server that sends a byte now and then never trips a timeout on silence; the rate over
// a whole window catches it.
void NetworkTransfer::checkRate(const std::shared_ptr<Job>& job)
{
    const qint64 received = job->bytes - job->bytesAtWindowStart;
    job->bytesAtWindowStart = job->bytes;
    const qint64 needed = m_limits.minBytesPerSecond * m_limits.rateWindow.count() / 1000;
    if (received < needed)
        stopAttempt(job, "the transfer stalled (" + std::to_string(received) + " bytes in "
                             + durationText(m_limits.rateWindow) + ")", false);
}

void NetworkTransfer::stopAttempt(const std::shared_ptr<Job>& job, const std::string& reason, bool final)
{
    if (job->reply == nullptr || !job->stopReason.empty())
        return;
    job->stopReason = reason;
    job->stopFinal = final;
    job->reply->abort();
}

void NetworkTransfer::onFinished(const std::shared_ptr<Job>& job)
{
    QNetworkReply* reply = std::exchange(job->reply, nullptr);
    reply->deleteLater();
    stopRateTimer(*job);
    // A reply that failed is already closed; there is nothing left to read.
    const QByteArray rest = reply->isOpen() && job->stopReason.empty() ? reply->readAll() : QByteArray();
    job->bytes += rest.size();
    if (job->bytes > m_limits.maxFileBytes && job->stopReason.empty()) {
        job->stopReason = "larger than the " + megabytes(m_limits.maxFileBytes) + " an aya file may have";
        job->stopFinal = true;
    }
    if (!job->writeFailed && job->stopReason.empty() && job->file->write(rest) != rest.size())
        job->writeFailed = true;
    const bool flushed = job->file->flush();
    job->file->close();
    if (job->stopReason.empty() && (job->writeFailed || !flushed)) {
        complete(job, {TransferResult::Status::Failed, "cannot write " + job->partPath.toStdString(), 0});
        return;
    }
    if (job->stopFinal) {
        complete(job, {TransferResult::Status::Failed, job->stopReason, 0});
        return;
    }
    if (!job->stopReason.empty()) {
        retryOrFail(job, job->stopReason);
        return;
    }

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const std::string statusText =
        "HTTP " + std::to_string(status) + " "
        + reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().toStdString();
    if (status == 404 || status == 410) {
        complete(job, {TransferResult::Status::NotFound, statusText, 0});
        return;
    }
    if (status >= 400 && !isRetryableStatus(status)) {
        complete(job, {TransferResult::Status::Failed, statusText, 0});
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        if (isPermanent(reply->error()))
            complete(job, {TransferResult::Status::Failed, reply->errorString().toStdString(), 0});
        else
            retryOrFail(job, reply->errorString().toStdString());
        return;
    }
    if (isRetryableStatus(status) || status < 200 || status >= 300) {
        retryOrFail(job, statusText);
        return;
    }
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    // A body that Qt decompressed has another length than the one announced.
    const bool encoded = reply->hasRawHeader("Content-Encoding");
    if (announced.isValid() && !encoded && announced.toLongLong() != job->bytes) {
        retryOrFail(job, "the connection broke off after " + std::to_string(job->bytes) + " of "
                             + std::to_string(announced.toLongLong()) + " bytes");
        return;
    }
    complete(job, {TransferResult::Status::Done, {}, job->bytes});
}

void NetworkTransfer::retryOrFail(const std::shared_ptr<Job>& job, const std::string& error)
{
    if (job->attempt >= m_retryDelays.size()) {
        const std::string tries = job->attempt == 0 ? "" : " (tried " + std::to_string(job->attempt + 1) + " times)";
        complete(job, {TransferResult::Status::Failed, error + tries, 0});
        return;
    }
    const std::chrono::milliseconds delay = m_retryDelays[job->attempt++];
    QTimer::singleShot(delay, this, [this, job] {
        // Cancelled meanwhile: the job is no longer ours.
        if (std::find(m_jobs.begin(), m_jobs.end(), job) != m_jobs.end())
            startAttempt(job);
    });
}

void NetworkTransfer::complete(const std::shared_ptr<Job>& job, const TransferResult& result)
{
    m_jobs.erase(std::remove(m_jobs.begin(), m_jobs.end(), job), m_jobs.end());
    job->file.reset();
    stopRateTimer(*job);
    job->done(result);
}

void NetworkTransfer::cancelAll()
{
    const std::vector<std::shared_ptr<Job>> jobs = std::exchange(m_jobs, {});
    for (const std::shared_ptr<Job>& job : jobs) {
        stopRateTimer(*job);
        if (QNetworkReply* reply = std::exchange(job->reply, nullptr)) {
            reply->disconnect(this);
            reply->abort();
            reply->deleteLater();
        }
        job->file.reset();
    }
}

} // namespace tilvane
