#pragma once

#include "core/quran/quran_pos.h"

#include <QObject>
#include <QString>

#include <optional>
#include <string>

class QLocalServer;
class QLocalSocket;
class QWidget;

namespace tilvane {

// One reader per user and settings file: two readers sharing one settings file and one
// library would overwrite each other's settings. The first one listens on a local socket
// named after the user and the settings file; a later start hands its request over there
// and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const std::string& settingsFile, QObject* parent = nullptr);

    // Tells the reader already running to come to the front (and to show gotoPos); true
    // when one took the request, so that this start should end.
    bool handOverToRunning(const std::optional<TQuranPos>& gotoPos) const;
    // Starts listening for later starts; false when the socket cannot be made (the reader
    // then runs on alone, as before).
    bool listen();

    const QString& serverName() const { return m_serverName; }

signals:
    // A later start asked for the window, and for an aya when pos is set.
    void activationRequested(std::optional<TQuranPos> pos);

private:
    void readRequest(QLocalSocket* socket);

    QString m_serverName;
    QLocalServer* m_server = nullptr;
};

// Brings window to the front of the desktop, also from minimised.
void raiseWindow(QWidget& window);

} // namespace tilvane
