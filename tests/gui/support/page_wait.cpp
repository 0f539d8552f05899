#include "gui/support/page_wait.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <memory>

namespace tilvane::test {

// Waits in an event loop rather than sleeping between polls, so that the web engine's
// answers are handled the moment they arrive and pages load at their own speed.
bool waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

QVariant evaluate(QWebEngineView* view, const QString& script)
{
    auto result = std::make_shared<QVariant>();
    auto done = std::make_shared<bool>(false);
    QEventLoop loop;
    view->page()->runJavaScript(script, [result, done, &loop](const QVariant& value) {
        *result = value;
        *done = true;
        loop.quit();
    });
    if (!*done) {
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return *result;
}

} // namespace tilvane::test
