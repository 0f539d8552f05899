#pragma once

#include <QString>
#include <QVariant>

#include <functional>

class QWebEngineView;

namespace tilvane::test {

// Polls the event loop until condition holds or the (generous) deadline passes.
bool waitFor(const std::function<bool()>& condition, int timeoutMs = 60000);

// Runs script in the view's page and waits for its result.
QVariant evaluate(QWebEngineView* view, const QString& script);

} // namespace tilvane::test
