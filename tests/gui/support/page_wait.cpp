#include "gui/support/page_wait.h"

#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <memory>

namespace tilvane::test {

bool waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

QVariant evaluate(QWebEngineView* view, const QString& script)
{
    auto result = std::make_shared<QVariant>();
    auto done = std::make_shared<bool>(false);
    view->page()->runJavaScript(script, [result, done](const QVariant& value) {
        *result = value;
        *done = true;
    });
    waitFor([done] { return *done; });
    return *result;
}

} // namespace tilvane::test
