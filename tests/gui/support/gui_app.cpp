#include "gui/support/gui_app.h"

#include <QtGlobal>

namespace tilvane::test {

TApplication& guiApp()
{
    static TApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        static int argc = 1;
        static char name[] = "tilvane_gui_tests";
        static char* argv[] = {name, nullptr};
        // Never destroyed: Qt objects left in static storage must not outlive it.
        return new TApplication(argc, argv);
    }();
    return *app;
}

ErrorCapture::ErrorCapture()
    : m_previous(setErrorReporter([this](const QString& message) { m_messages.append(message); }))
{
}

ErrorCapture::~ErrorCapture()
{
    setErrorReporter(std::move(m_previous));
}

} // namespace tilvane::test
