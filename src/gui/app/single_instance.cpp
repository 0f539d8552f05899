#include "gui/app/single_instance.h"

#include "core/app/reader_options.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

#include <unistd.h>

namespace tilvane {

namespace {

constexpr int kHandOverTimeoutMs = 3000;
constexpr char kRaise[] = "raise";
constexpr char kGoto[] = "goto ";

} // namespace

SingleInstance::SingleInstance(const std::string& settingsFile, QObject* parent)
    : QObject(parent)
{
    const QByteArray fileHash =
        QCryptographicHash::hash(QByteArray::fromStdString(settingsFile), QCryptographicHash::Sha1).toHex().left(16);
    m_serverName = QStringLiteral("tilvane-%1-%2").arg(::getuid()).arg(QString::fromLatin1(fileHash));
}

bool SingleInstance::handOverToRunning(const std::optional<TQuranPos>& gotoPos) const
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(kHandOverTimeoutMs))
        return false;
    QByteArray request = kRaise;
    if (gotoPos)
        request = kGoto + QByteArray::number(gotoPos->Sura) + ':' + QByteArray::number(gotoPos->Aya);
    socket.write(request + '\n');
    // The running reader answers once it has taken the request; a reader that hangs is no
    // reader to hand over to.
    if (!socket.waitForBytesWritten(kHandOverTimeoutMs) || !socket.waitForReadyRead(kHandOverTimeoutMs))
        return false;
    return socket.readLine().trimmed() == "ok";
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // No reader answered, so a socket left by one that crashed is stale.
    QLocalServer::removeServer(m_serverName);
    if (!m_server->listen(m_serverName))
        return false;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
            if (socket->canReadLine())
                readRequest(socket);
        }
    });
    return true;
}

void SingleInstance::readRequest(QLocalSocket* socket)
{
    if (!socket->canReadLine())
        return;
    const QByteArray line = socket->readLine().trimmed();
    std::optional<TQuranPos> pos;
    if (line.startsWith(kGoto))
        pos = parseAyaPosition(line.mid(static_cast<qsizetype>(sizeof kGoto - 1)).toStdString());
    else if (line != kRaise)
        return; // not one of ours
    socket->write("ok\n");
    socket->flush();
    emit activationRequested(pos);
}

void raiseWindow(QWidget& window)
{
    if (window.isMinimized())
        window.showNormal();
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace tilvane
