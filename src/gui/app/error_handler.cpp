#include "gui/app/error_handler.h"

#include "core/app/app_info.h"
#include "gui/app/qt_text.h"

#include <QMessageBox>

#include <exception>

namespace tilvane {

namespace {

void showMessageBox(const QString& message)
{
    QMessageBox::critical(QApplication::activeWindow(), toQString(AppName),
                          message);
}

ErrorReporter& currentReporter()
{
    static ErrorReporter reporter = showMessageBox;
    return reporter;
}

// Called inside a catch block; rethrows to tell the exception's kind.
void reportCurrentException()
{
    try {
        throw;
    } catch (const std::exception& error) {
        reportError(QString::fromUtf8(error.what()));
    } catch (...) {
        reportError(QCoreApplication::translate("ErrorHandler", "Unexpected error"));
    }
}

} // namespace

ErrorReporter setErrorReporter(ErrorReporter reporter)
{
    ErrorReporter previous = std::move(currentReporter());
    currentReporter() = reporter ? std::move(reporter) : ErrorReporter(showMessageBox);
    return previous;
}

void reportError(const QString& message)
{
    currentReporter()(message);
}

bool runGuarded(const std::function<void()>& fn)
{
    try {
        fn();
        return true;
    } catch (...) {
        reportCurrentException();
        return false;
    }
}

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportCurrentException();
        return false;
    }
}

} // namespace tilvane
