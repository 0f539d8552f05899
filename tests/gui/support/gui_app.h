#pragma once

#include "gui/app/error_handler.h"

#include <QString>
#include <QStringList>

#include <ostream>

// Lets GoogleTest print QString values (and lists of them) in failure messages.
void PrintTo(const QString& text, std::ostream* out);

namespace tilvane::test {

// The process's one application object, made on first use the way the reader makes its own
// (shared OpenGL contexts, the error-handling Application). Without a platform chosen, the
// tests run offscreen. An error reported outside an ErrorCapture fails the running test
// instead of opening a message box that would wait for a click.
Application& guiApp();

// Captures reported errors instead of showing message boxes while it lives.
class ErrorCapture {
public:
    ErrorCapture();
    ~ErrorCapture();
    ErrorCapture(const ErrorCapture&) = delete;
    ErrorCapture& operator=(const ErrorCapture&) = delete;

    const QStringList& messages() const { return m_messages; }

private:
    QStringList m_messages;
    ErrorReporter m_previous;
};

} // namespace tilvane::test
