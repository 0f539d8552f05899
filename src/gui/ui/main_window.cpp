#include "gui/ui/main_window.h"

#include "core/app/app_info.h"
#include "core/app/settings.h"
#include "gui/app/error_handler.h"
#include "gui/app/qt_text.h"
#include "gui/app/ui_font.h"
#include "gui/app/window_placement.h"

#include <QCloseEvent>
#include <QShowEvent>

namespace tilvane {

namespace {

constexpr QSize kDesignSize(915, 614);
constexpr int kDesignFontPoints = 8;

} // namespace

TfmMain::TfmMain(QWidget* parent)
    : QMainWindow(parent)
{
    FormCreate();
}

void TfmMain::FormCreate()
{
    setWindowTitle(toQString(AppName));
    QFont font = tahomaFont();
    font.setPointSize(kDesignFontPoints);
    setFont(font);
    resize(kDesignSize);
    centreOnDesktop(*this);
    FFirstShowDone = false;
}

void TfmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    runGuarded([this] { FormShow(); });
}

// The start-up loading runs once, on the first show; the flag is set first so that a load
// that fails is reported once rather than retried on every later show.
void TfmMain::FormShow()
{
    if (FFirstShowDone)
        return;
    FFirstShowDone = true;
    LoadSettings();
}

// The window closes even when saving fails: the error is shown and the close goes on.
void TfmMain::closeEvent(QCloseEvent* event)
{
    runGuarded([this] { FormClose(); });
    QMainWindow::closeEvent(event);
}

void TfmMain::FormClose()
{
    SaveSettings();
}

} // namespace tilvane
