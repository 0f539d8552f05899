#pragma once

#include <QString>
#include <QVariant>

#include <functional>

class QWebEnginePage;

namespace tilvane::bench {

// Turns the event loop until condition holds; throws std::runtime_error naming `what` after
// a minute.
void waitUntil(const std::function<bool()>& condition, const char* what);

// The result of a script run in the page, waited for.
QVariant evaluate(QWebEnginePage* page, const QString& script);

// Milliseconds that `step` takes, measured on the wall clock.
double millisecondsOf(const std::function<void()>& step);

} // namespace tilvane::bench
