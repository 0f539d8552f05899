#include "gui/support/local_http_server.h"

#include <QHostAddress>
#include <QTcpSocket>

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
    socket->write("HTTP/1.1 200 OK\r\nContent-Type: audio/mpeg\r\nConnection: close\r\nContent-Length: "
                  + QByteArray::number(body.size()) + "\r\n\r\n");
    if (answer == Answer::Body) {
        socket->write(body);
        socket->disconnectFromHost();
        return;
    }
    socket->write(body.left(body.size() / 2));
    socket->flush();
    // A clean close before the announced length: only the length tells the body is short.
    if (answer == Answer::Drop)
        socket->disconnectFromHost();
}

} // namespace tilvane::test
