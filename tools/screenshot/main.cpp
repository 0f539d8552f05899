// tilvane_screenshot [output folder]: writes splash.png and main.png. Runs offscreen unless
// QT_QPA_PLATFORM says otherwise. The main window is never closed, so the settings file is
// read but not written.
#include "core/app/app_dirs.h"
#include "gui/app/error_handler.h"
#include "gui/app/splash_window.h"
#include "gui/ui/main_window.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QPixmap>
#include <QWindow>

#include <cstdio>

using namespace tilvane;

namespace {

bool waitUntilExposed(const QWidget& widget)
{
    QDeadlineTimer deadline(10000);
    while (!(widget.windowHandle() && widget.windowHandle()->isExposed())) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

bool save(const QPixmap& image, const QString& file)
{
    if (image.save(file))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    InitAppDirs();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    TApplication app(argc, argv);
    const QDir output(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    TfmSplash splash;
    splash.showAndPaint();
    if (!save(splash.grab(), output.filePath(QStringLiteral("splash.png"))))
        return 1;

    TfmMain mainWindow;
    bool focused = false;
    QObject::connect(&mainWindow, &TfmMain::focusScriptFinished, [&focused] { focused = true; });
    mainWindow.show();
    if (!waitUntilExposed(mainWindow)) {
        std::fputs("the main window was never shown\n", stderr);
        return 1;
    }
    // The page is worth a picture once the shown aya is focused in it.
    QDeadlineTimer deadline(30000);
    while (!focused && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QDeadlineTimer settle(500);
    while (!settle.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return save(mainWindow.grab(), output.filePath(QStringLiteral("main.png"))) ? 0 : 1;
}
