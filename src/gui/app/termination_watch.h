#pragma once

#include <QObject>

class QSocketNotifier;

namespace tilvane {

// Turns SIGTERM and SIGHUP (a shutdown, a closed terminal, `kill`) into a Qt signal in the
// event loop, so that the reader can save and close as if its window had been closed. The
// handler only writes the signal's number into a pipe, the one thing safe to do there.
class TerminationWatch : public QObject {
    Q_OBJECT
public:
    explicit TerminationWatch(QObject* parent = nullptr);
    ~TerminationWatch() override;
    TerminationWatch(const TerminationWatch&) = delete;
    TerminationWatch& operator=(const TerminationWatch&) = delete;

signals:
    void terminationRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace tilvane
