#pragma once

#include <QObject>

class QSocketNotifier;

namespace tilvane::reciter {

// SIGINT and SIGTERM reach the event loop as stopRequested, so that an install stops the
// way Cancel stops it and leaves no temporary files; the handler itself only writes a byte
// to a pipe. The default handlers come back with the object's end.
class StopSignals : public QObject {
    Q_OBJECT
public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

    // The signal number that asked to stop; 0 before.
    int received() const { return m_received; }

signals:
    void stopRequested();

private:
    QSocketNotifier* m_notifier = nullptr;
    int m_received = 0;
};

} // namespace tilvane::reciter
