#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTcpServer>

class QTcpSocket;

namespace tilvane::test {

// A small HTTP/1.1 server on 127.0.0.1 for download tests, one request per connection. Paths
// not listed answer 404.
class LocalHttpServer : public QObject {
    Q_OBJECT
public:
    enum class Answer {
        Body,     // 200 with the body
        Drop,     // announces the whole body, sends half of it and closes the connection
        Stall,    // announces the whole body, sends half of it and keeps the connection open
        NotFound, // 404
        // Hostile servers; each stops by itself after kMaxStreamBytes or when the client goes.
        Endless,   // 200 without a length, the body over and over
        Huge,      // announces 2 GB and sends the body over and over
        Trickle,   // announces the body and sends one byte every kTrickleMillis
        Redirect,  // 302 to the body taken as the new address
    };
    static constexpr qint64 kMaxStreamBytes = 256ll * 1024 * 1024;
    static constexpr int kTrickleMillis = 50;

    LocalHttpServer();
    // "http://127.0.0.1:PORT/" + folder.
    QString url(const QString& folder = {}) const;

    // path is the request path ("/r/001001.mp3"). dropFirst: the first so many requests for
    // the path are dropped, later ones answered as said.
    void serve(const QString& path, const QByteArray& body, Answer answer = Answer::Body, int dropFirst = 0);

    // Paths in the order they were requested.
    const QStringList& requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }

private:
    struct Route {
        QByteArray body;
        Answer answer = Answer::Body;
        int dropFirst = 0;
    };
    void answer(QTcpSocket* socket);
    void stream(QTcpSocket* socket, const QByteArray& body);
    void trickle(QTcpSocket* socket, const QByteArray& body);

    QTcpServer m_server;
    QMap<QString, Route> m_routes;
    QStringList m_requests;
};

} // namespace tilvane::test
