#include "download/source_probe.h"

#include "core/audio/reciter_layout.h"
#include "core/audio/mp3_check.h"

#include <QNetworkReply>
#include <QNetworkRequest>

namespace tilvane {

namespace {

// Enough for an ID3 tag's header or the first frame header.
constexpr qint64 kHeadBytes = 4096;

} // namespace

SourceProbe::SourceProbe(QObject* parent)
    : QObject(parent)
{
}

SourceProbe::~SourceProbe()
{
    cancel();
}

QUrl SourceProbe::firstAyaUrl(const QUrl& folder)
{
    QUrl base = folder;
    if (!base.path().endsWith('/'))
        base.setPath(base.path() + '/');
    return base.resolved(QUrl(QString::fromStdString(ayaFileName(1, 1))));
}

void SourceProbe::start(const QUrl& folder)
{
    cancel();
    m_head.clear();
    QNetworkRequest request(firstAyaUrl(folder));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setRawHeader("Range", "bytes=0-" + QByteArray::number(kHeadBytes - 1));
    request.setTransferTimeout(kTimeoutMs);
    m_reply = m_manager.get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &SourceProbe::readSome);
    connect(m_reply, &QNetworkReply::finished, this, &SourceProbe::replyFinished);
}

void SourceProbe::cancel()
{
    if (m_reply == nullptr)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

// A server that ignores the range sends the whole file: what is needed is there early.
void SourceProbe::readSome()
{
    m_head += m_reply->read(kHeadBytes - m_head.size());
    if (m_head.size() >= kHeadBytes) {
        cancel();
        emit finished(startsLikeMp3(m_head.toStdString()) ? QString() : QStringLiteral("not an MP3 file"));
    }
}

void SourceProbe::replyFinished()
{
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    QString problem;
    if (status != 0 && status != 200 && status != 206)
        problem = QStringLiteral("HTTP %1 %2")
                      .arg(status)
                      .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
    else if (reply->error() != QNetworkReply::NoError)
        problem = reply->errorString();
    else if (!startsLikeMp3((m_head + reply->read(kHeadBytes - m_head.size())).toStdString()))
        problem = QStringLiteral("not an MP3 file");
    emit finished(problem.trimmed());
}

} // namespace tilvane
