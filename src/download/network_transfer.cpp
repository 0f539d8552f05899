#include "download/network_transfer.h"

#include <QFile>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <algorithm>

namespace tilvane {

struct NetworkTransfer::Job {
    QUrl url;
    QString partPath;
    Done done;
    std::size_t attempt = 0;
    QNetworkReply* reply = nullptr;
    std::unique_ptr<QFile> file;
    qint64 bytes = 0;
    bool writeFailed = false;
};

namespace {

bool isRetryableStatus(int status)
{
    return status == 408 || status == 429 || status >= 500;
}

} // namespace

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
    job->file = std::make_unique<QFile>(job->partPath);
    job->bytes = 0;
    job->writeFailed = false;
    if (!job->file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        complete(job, {TransferResult::Status::Failed, "cannot write " + job->partPath.toStdString(), 0});
        return;
    }
    QNetworkRequest request(job->url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(static_cast<int>(m_stallTimeout.count()));
    job->reply = m_manager.get(request);
    QNetworkReply* reply = job->reply;
    connect(reply, &QNetworkReply::readyRead, this, [job, reply] {
        const QByteArray chunk = reply->readAll();
        if (job->file->write(chunk) != chunk.size()) {
            job->writeFailed = true;
            reply->abort();
        }
        job->bytes += chunk.size();
    });
    connect(reply, &QNetworkReply::finished, this, [this, job] { onFinished(job); });
}

void NetworkTransfer::onFinished(const std::shared_ptr<Job>& job)
{
    QNetworkReply* reply = std::exchange(job->reply, nullptr);
    reply->deleteLater();
    // A reply that failed is already closed; there is nothing left to read.
    const QByteArray rest = reply->isOpen() ? reply->readAll() : QByteArray();
    if (!job->writeFailed && job->file->write(rest) != rest.size())
        job->writeFailed = true;
    job->bytes += rest.size();
    const bool flushed = job->file->flush();
    job->file->close();
    if (job->writeFailed || !flushed) {
        complete(job, {TransferResult::Status::Failed, "cannot write " + job->partPath.toStdString(), 0});
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
    job->done(result);
}

void NetworkTransfer::cancelAll()
{
    const std::vector<std::shared_ptr<Job>> jobs = std::exchange(m_jobs, {});
    for (const std::shared_ptr<Job>& job : jobs) {
        if (QNetworkReply* reply = std::exchange(job->reply, nullptr)) {
            reply->disconnect(this);
            reply->abort();
            reply->deleteLater();
        }
        job->file.reset();
    }
}

} // namespace tilvane
