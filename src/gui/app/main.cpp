#include "core/app/app_dirs.h"
#include "core/app/app_info.h"
#include "core/app/product.h"
#include "gui/app/error_handler.h"
#include "gui/app/graphics_setup.h"
#include "gui/app/event_wait.h"
#include "gui/app/qt_text.h"
#include "gui/app/splash_window.h"
#include "gui/ui/main_window.h"

#include <QMessageBox>

#include <algorithm>
#include <chrono>
#include <exception>
#include <memory>
#include <optional>
#include <string>

using namespace tilvane;

namespace {

constexpr std::chrono::milliseconds kSplashTime{1500};

void showFatalError(const std::string& message)
{
    QMessageBox::critical(nullptr, toQString(AppName), QString::fromStdString(message));
}

int runReader(Application& app)
{
    std::unique_ptr<TfmMain> mainWindow;
    {
        // Freed at the end of this block, also when creating the main window throws.
        TfmSplash splash;
        splash.showAndPaint();
        mainWindow = std::make_unique<TfmMain>();
        // The splash time is spent loading: the data and the first page are ready when the
        // window appears, and the splash still shows for the same time.
        const auto loadStart = std::chrono::steady_clock::now();
        mainWindow->loadBeforeShow();
        const auto loading = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - loadStart);
        waitExcludingUserInput(std::max(kSplashTime - loading, std::chrono::milliseconds(0)));
    }
    mainWindow->show();
    return app.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    // The working folders are resolved before any Qt object exists; an unsafe temp folder
    // is reported once the application object can show a message box.
    std::optional<std::string> folderError;
    try {
        InitAppDirs();
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

    try {
        return runReader(app);
    } catch (const std::exception& error) {
        showFatalError(error.what());
        return 1;
    }
}
