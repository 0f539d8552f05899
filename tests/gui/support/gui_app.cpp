#include "gui/support/gui_app.h"

#include "gui/app/graphics_setup.h"

#include <gtest/gtest.h>

#include <QtGlobal>

void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace tilvane::test {

Application& guiApp()
{
    static Application* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        setUpGraphicsBeforeApplication();
        static int argc = 1;
        static char name[] = "tilvane_gui_tests";
        static char* argv[] = {name, nullptr};
        setErrorReporter([](const QString& message) { ADD_FAILURE() << "Error reported: " << message.toStdString(); });
        // Never destroyed: tearing it down during static destruction races Qt's own globals.
        return new Application(argc, argv);
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
