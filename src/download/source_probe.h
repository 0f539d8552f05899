#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

namespace tilvane {

// Asks a web folder for its first aya (001001.mp3) before an install of thousands of files
// starts: a mistyped address, a site that moved or a page of HTML in place of audio shows at
// once, not as thousands of failures later. Only the file's first bytes are read.
class SourceProbe : public QObject {
    Q_OBJECT
public:
    static constexpr int kTimeoutMs = 15000;

    explicit SourceProbe(QObject* parent = nullptr);
    ~SourceProbe() override;

    // The folder's first aya file, as the install would fetch it.
    static QUrl firstAyaUrl(const QUrl& folder);

    // Starts a probe, dropping one still running.
    void start(const QUrl& folder);
    void cancel();
    bool running() const { return m_reply != nullptr; }

signals:
    // problem is empty when the file answered as MP3; else the server's or network's own words
    // ("HTTP 404 Not Found", "Connection refused") or "not an MP3 file".
    void finished(const QString& problem);

private:
    void readSome();
    void replyFinished();

    QNetworkAccessManager m_manager;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_head;
};

} // namespace tilvane
