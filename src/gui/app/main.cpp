#include "core/app/app_dirs.h"
#include "core/app/app_info.h"
#include "core/app/product.h"
#include "core/app/reader_options.h"
#include "core/app/settings.h"
#include "gui/app/error_handler.h"
#include "gui/app/graphics_setup.h"
#include "gui/app/event_wait.h"
#include "gui/app/qt_text.h"
#include "gui/app/single_instance.h"
#include "gui/app/splash_window.h"
#include "gui/app/termination_watch.h"
#include "gui/i18n/interface_language.h"
#include "gui/ui/main_window.h"

#include <QMessageBox>
#include <QSessionManager>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace tilvane;

namespace {

constexpr std::chrono::milliseconds kSplashTime{1500};

void showFatalError(const std::string& message)
{
    QMessageBox::critical(nullptr, toQString(AppName), QString::fromStdString(message));
}

// A signal or the end of the desktop session saves what closing the window saves.
void saveOnEveryEnd(Application& app, TfmMain& window, TerminationWatch& termination)
{
    QObject::connect(&termination, &TerminationWatch::terminationRequested, &window, [&app, &window] {
        window.close();
        app.quit();
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { runGuarded([&window] { window.saveSession(); }); });
}

int runReader(Application& app, SingleInstance& instance, const std::optional<TQuranPos>& gotoPos)
{
    std::unique_ptr<TfmMain> mainWindow;
    {
        // Freed at the end of this block, also when creating the main window throws.
        TfmSplash splash;
        splash.showAndPaint();
        mainWindow = std::make_unique<TfmMain>();
        if (gotoPos)
            mainWindow->setStartPosition(*gotoPos);
        // The splash time is spent loading: the data and the first page are ready when the
        // window appears, and the splash still shows for the same time.
        const auto loadStart = std::chrono::steady_clock::now();
        mainWindow->loadBeforeShow();
        const auto loading = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - loadStart);
        waitExcludingUserInput(std::max(kSplashTime - loading, std::chrono::milliseconds(0)));
    }
    mainWindow->show();
    QObject::connect(&instance, &SingleInstance::activationRequested, mainWindow.get(),
                     [window = mainWindow.get()](std::optional<TQuranPos> pos) {
                         raiseWindow(*window);
                         if (pos)
                             runGuarded([&] { window->showAya(*pos); });
                     });
    // Caught only from here on: before the window shows there is nothing of the user's to save.
    TerminationWatch termination;
    saveOnEveryEnd(app, *mainWindow, termination);
    return app.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    const ReaderOptions options = parseReaderOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options.problem.empty()) {
        std::fprintf(stderr, "tilvane: %s\n", options.problem.c_str());
        return 2;
    }
    // The working folders are resolved before any Qt object exists; an unsafe temp folder
    // is reported once the application object can show a message box.
    std::optional<std::string> folderError;
    try {
        if (options.appDir.empty())
            InitAppDirs();
        else
            InitAppDirs(options.appDir);
    } catch (const std::exception& error) {
        folderError = error.what();
    }

    setUpGraphicsBeforeApplication();
    Application app(argc, argv);
    QCoreApplication::setApplicationName(toQString(AppName));
    QGuiApplication::setDesktopFileName(toQString(kDesktopId));
    if (folderError) {
        showFatalError(*folderError);
        return 1;
    }

    // Settings and library belong to one reader at a time: a second start only brings the
    // first to the front (with the aya asked for) and ends.
    SingleInstance instance(IniFileName);
    if (instance.handOverToRunning(options.gotoPos))
        return 0;
    instance.listen();

    try {
        // The splash and the window come up in the stored language; the settings proper are
        // read later, with the data.
        applyInterfaceLanguage(QString::fromStdString(loadLanguageSetting()));
        return runReader(app, instance, options.gotoPos);
    } catch (const std::exception& error) {
        showFatalError(error.what());
        return 1;
    }
}
