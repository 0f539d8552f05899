#include "gui_wait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWebEnginePage>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace tilvane::bench {

void waitUntil(const std::function<bool()>& condition, const char* what)
{
    const QDeadlineTimer deadline(60000);
    // Waits for the next event rather than polling, so no time is added to what is measured;
    // the timer only makes sure the deadline is looked at.
    QTimer wakeUp;
    wakeUp.start(100);
    while (!condition()) {
        if (deadline.hasExpired())
            throw std::runtime_error(std::string("timed out waiting for ") + what);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

QVariant evaluate(QWebEnginePage* page, const QString& script)
{
    auto result = std::make_shared<std::optional<QVariant>>();
    page->runJavaScript(script, [result](const QVariant& value) { *result = value; });
    waitUntil([&] { return result->has_value(); }, "a script's result");
    return **result;
}

double millisecondsOf(const std::function<void()>& step)
{
    QElapsedTimer clock;
    clock.start();
    step();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

} // namespace tilvane::bench
