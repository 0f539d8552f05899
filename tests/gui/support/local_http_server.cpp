#include "gui/support/local_http_server.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

#include <stdexcept>

namespace tilvane::test {

LocalHttpServer::LocalHttpServer()
{
    if (!m_server.listen(QHostAddress::LocalHost))
        throw std::runtime_error("the test HTTP server cannot listen: " + m_server.errorString().toStdString());
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        }
    });
}

QString LocalHttpServer::url(const QString& folder) const
{
    return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_server.serverPort()).arg(folder);
}

void LocalHttpServer::serve(const QString& path, const QByteArray& body, Answer answer, int dropFirst)
{
    m_routes[path] = {body, answer, dropFirst};
}

void LocalHttpServer::answer(QTcpSocket* socket)
{
    // The whole request head must be there; the clients send small GET requests only.
    if (!socket->peek(64 * 1024).contains("\r\n\r\n"))
        return;
    const QList<QByteArray> requestLine = socket->readLine().trimmed().split(' ');
    socket->readAll();
    const QString path = QString::fromUtf8(requestLine.value(1));
    m_requests.append(path);

    auto found = m_routes.find(path);
    if (found == m_routes.end() || found->answer == Answer::NotFound) {
        socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\nConnection: close\r\n\r\nnot found");
        socket->disconnectFromHost();
        return;
    }
    Answer answer = found->answer;
    if (found->dropFirst > 0) {
        --found->dropFirst;
        answer = Answer::Drop;
    }
    const QByteArray& body = found->body;
    if (answer == Answer::Redirect) {
        socket->write("HTTP/1.1 302 Found\r\nLocation: " + body + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
        return;
    }
    if (answer == Answer::Endless || answer == Answer::Huge) {
        socket->write(answer == Answer::Endless
                          ? QByteArray("HTTP/1.1 200 OK\r\nContent-Type: audio/mpeg\r\nConnection: close\r\n\r\n")
                          : QByteArray("HTTP/1.1 200 OK\r\nContent-Type: audio/mpeg\r\nConnection: close\r\n"
                                       "Content-Length: 2147483648\r\n\r\n"));
        stream(socket, body);
        return;
    }
    socket->write("HTTP/1.1 200 OK\r\nContent-Type: audio/mpeg\r\nConnection: close\r\nContent-Length: "
                  + QByteArray::number(body.size()) + "\r\n\r\n");
    if (answer == Answer::Body) {
        socket->write(body);
        socket->disconnectFromHost();
        return;
    }
    if (answer == Answer::Trickle) {
        trickle(socket, body);
        return;
    }
    socket->write(body.left(body.size() / 2));
    socket->flush();
    // A clean close before the announced length: only the length tells the body is short.
    if (answer == Answer::Drop)
        socket->disconnectFromHost();
}

// Writes the body again whenever little is left to send, as fast as the client takes it.
void LocalHttpServer::stream(QTcpSocket* socket, const QByteArray& body)
{
    auto sent = std::make_shared<qint64>(0);
    const auto more = [socket, body, sent] {
        while (socket->bytesToWrite() < 1024 * 1024 && *sent < kMaxStreamBytes) {
            socket->write(body);
            *sent += body.size();
        }
        if (*sent >= kMaxStreamBytes)
            socket->disconnectFromHost();
    };
    connect(socket, &QTcpSocket::bytesWritten, socket, more);
    more();
}

void LocalHttpServer::trickle(QTcpSocket* socket, const QByteArray& body)
{
    auto* timer = new QTimer(socket);
    auto next = std::make_shared<qsizetype>(0);
    connect(timer, &QTimer::timeout, socket, [socket, timer, body, next] {
        if (*next >= body.size()) {
            timer->stop();
            socket->disconnectFromHost();
            return;
        }
        socket->write(body.mid((*next)++, 1));
    });
    timer->start(kTrickleMillis);
}

} // namespace tilvane::test
