#include "gui/app/termination_watch.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace tilvane {

namespace {

constexpr std::array kWatchedSignals{SIGTERM, SIGHUP};
int signalPipe[2] = {-1, -1};

extern "C" void writeSignalToPipe(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a request; a lost byte loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

void setHandler(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : kWatchedSignals)
        sigaction(signalNumber, &action, nullptr);
}

} // namespace

TerminationWatch::TerminationWatch(QObject* parent)
    : QObject(parent)
{
    Q_ASSERT_X(signalPipe[0] < 0, "TerminationWatch", "one watch per process");
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // without a pipe the signals keep ending the program at once, as before
    m_notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationWatch::readSignal);
    setHandler(writeSignalToPipe);
}

TerminationWatch::~TerminationWatch()
{
    if (m_notifier == nullptr)
        return;
    setHandler(SIG_DFL);
    delete m_notifier;
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void TerminationWatch::readSignal()
{
    unsigned char byte = 0;
    int last = 0;
    while (::read(signalPipe[0], &byte, 1) == 1)
        last = byte;
    if (last != 0)
        emit terminationRequested(last);
}

} // namespace tilvane
