// tilvane_screenshot [output folder]: writes splash.png, main.png, one picture per view style,
// tajweed-2.png, tajweed-112.png ... tajweed-114.png (the colours with their legend),
// the Audio Player tab, the Search tab with hits (search.png) and a root search (search-root.png),
// the Topics tab, the About page, the Help page, the ≡ menu, the Select Sura dialog and the
// Settings dialog, then the reading page and the Audio Player tab at 1024x600 and 1366x768 in
// each theme (screen-WxH-THEME.png, audio-WxH-THEME.png). Runs offscreen unless
// QT_QPA_PLATFORM says otherwise. The main window is never closed, so the settings file is
// read but not written.
#include "core/app/app_dirs.h"
#include "core/app/command_line_help.h"
#include "core/app/app_info.h"
#include "core/app/settings.h"
#include "core/render/sura_page.h"
#include "gui/app/error_handler.h"
#include "gui/app/graphics_setup.h"
#include "gui/app/splash_window.h"
#include "gui/audio/audio_player_tab.h"
#include "gui/audio/reciter_catalogue_list.h"
#include "gui/audio/reciter_install_dialog.h"
#include "gui/i18n/interface_language.h"
#include "gui/render/page_look.h"
#include "gui/search/search_tab.h"
#include "gui/ui/help_panel.h"
#include "gui/ui/main_window.h"
#include "gui/ui/settings_dialog.h"
#include "gui/ui/sura_select_dialog.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>
#include <QWindow>

#include <cstdio>
#include <iostream>

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

// Lets pending painting and layout finish.
void settle()
{
    QDeadlineTimer settleTime(500);
    while (!settleTime.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

bool save(const QPixmap& image, const QString& file)
{
    if (image.save(file))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    return false;
}

// The window at a laptop's and a netbook's screen size in every theme.
bool saveScreenSizes(TfmMain& window, const QDir& output)
{
    bool saved = true;
    window.ui().pgcNav->setCurrentWidget(window.ui().tabQuran);
    for (const QSize size : {QSize(1024, 600), QSize(1366, 768)}) {
        window.resize(size);
        for (const PageTheme theme : {PageTheme::Light, PageTheme::Sepia, PageTheme::Night}) {
            window.pageLook()->setTheme(theme);
            const QString suffix = QStringLiteral("%1x%2-%3.png").arg(size.width()).arg(size.height())
                                       .arg(QString::fromStdString(themeName(theme)));
            window.ui().pgcContent->setCurrentWidget(window.ui().tvContents);
            settle();
            saved &= save(window.grab(), output.filePath(QStringLiteral("screen-") + suffix));
            window.ui().pgcContent->setCurrentWidget(window.ui().tabAudio);
            settle();
            saved &= save(window.grab(), output.filePath(QStringLiteral("audio-") + suffix));
        }
    }
    window.pageLook()->setTheme(PageTheme::Light);
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    if (const auto answered = answerHelpOrVersion(
            argc, argv, "tilvane_screenshot",
            "Usage: tilvane_screenshot [DIR]\nSaves pictures of the reader's windows as PNG files in DIR (default: .), in the\n"
            "interface language of the settings file or, by default, of the environment (LANGUAGE=id).\n",
            std::cout))
        return *answered;
    InitAppDirs();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    setUpGraphicsBeforeApplication();
    Application app(argc, argv);
    const QDir output(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    applyInterfaceLanguage(QString::fromStdString(loadLanguageSetting()));

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
    // A page is worth a picture once the shown aya is focused in it.
    const auto waitForFocus = [&focused] {
        QDeadlineTimer deadline(30000);
        while (!focused && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        focused = false;
        settle();
    };
    waitForFocus();
    bool saved = save(mainWindow.grab(), output.filePath(QStringLiteral("main.png")));

    const std::uint8_t savedStyle = AppSet.ViewStyle;
    for (std::uint8_t style = 0; style < ViewStyleNames.size(); ++style) {
        AppSet.ViewStyle = style;
        mainWindow.ui().actReloadSura->trigger();
        waitForFocus();
        saved &= save(mainWindow.grab(), output.filePath(QStringLiteral("view-style-%1.png").arg(style)));
    }

    // The tajweed colours and their legend, one aya per line: 2:1-2:10 and suras 112 to 114.
    AppSet.Tajweed = true;
    AppSet.ViewStyle = kViewArabicAyaPerLine;
    const QSize normalSize = mainWindow.size();
    mainWindow.resize(1000, 1400);
    for (int sura : {2, 112, 113, 114}) {
        mainWindow.ui().cbSura->setCurrentIndex(sura - 1);
        mainWindow.ui().cbAya->setCurrentIndex(0);
        mainWindow.ui().actGotoSelectedSura->trigger();
        waitForFocus();
        saved &= save(mainWindow.grab(), output.filePath(QStringLiteral("tajweed-%1.png").arg(sura)));
    }
    mainWindow.resize(normalSize);
    AppSet.Tajweed = false;
    AppSet.ViewStyle = savedStyle;
    mainWindow.ui().actReloadSura->trigger();
    waitForFocus();

    mainWindow.ui().pgcContent->setCurrentWidget(mainWindow.ui().tabAudio);
    settle();
    saved &= save(mainWindow.grab(), output.filePath(QStringLiteral("audio-player.png")));

    mainWindow.ui().pgcNav->setCurrentWidget(mainWindow.ui().tabTopics);
    settle();
    saved &= save(mainWindow.grab(), output.filePath(QStringLiteral("topics.png")));

    mainWindow.ui().actFind->trigger();
    bool searched = false;
    QObject::connect(mainWindow.ui().tabSearch, &SearchTab::resultsShown, [&searched] { searched = true; });
    mainWindow.ui().tabSearch->findChild<QLineEdit*>(QStringLiteral("edtSearch"))->setText(QStringLiteral("\u0627\u0644\u062D\u064A \u0627\u0644\u0642\u064A\u0648\u0645"));
    QTest::keyClick(mainWindow.ui().tabSearch->findChild<QLineEdit*>(QStringLiteral("edtSearch")), Qt::Key_Space);
    for (QDeadlineTimer deadline(30000); !searched && !deadline.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    settle();
    saved &= save(mainWindow.grab(), output.filePath(QStringLiteral("search.png")));

    // A root search with its concordance of forms.
    searched = false;
    mainWindow.ui().tabSearch->findChild<QLineEdit*>(QStringLiteral("edtSearch"))->setText(QStringLiteral("\u0635\u0628\u0631"));
    mainWindow.ui().tabSearch->findChild<QComboBox*>(QStringLiteral("cbMode"))->setCurrentIndex(1);
    for (QDeadlineTimer deadline(30000); !searched && !deadline.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    settle();
    saved &= save(mainWindow.grab(), output.filePath(QStringLiteral("search-root.png")));

    mainWindow.ui().actAbout->trigger();
    settle();
    saved &= save(mainWindow.grab(), output.filePath(QStringLiteral("about.png")));

    mainWindow.ui().actHelp->trigger();
    settle();
    saved &= save(mainWindow.grab(), output.filePath(QStringLiteral("help.png")));
    mainWindow.ui().pmSetting->popup(mainWindow.mapToGlobal(QPoint(mainWindow.width() / 2, 30)));
    settle();
    saved &= save(mainWindow.ui().pmSetting->grab(), output.filePath(QStringLiteral("command-menu.png")));
    mainWindow.ui().pmSetting->hide();

    TDlgSrchSura suraDialog(&mainWindow);
    suraDialog.show();
    waitUntilExposed(suraDialog);
    QTest::keyClicks(suraDialog.edSearch, QStringLiteral("baq"));
    settle();
    saved &= save(suraDialog.grab(), output.filePath(QStringLiteral("sura-dialog.png")));
    suraDialog.hide();

    TDlgSett settingsDialog(&mainWindow);
    settingsDialog.show();
    waitUntilExposed(settingsDialog);
    settle();
    saved &= save(settingsDialog.grab(), output.filePath(QStringLiteral("settings.png")));
    settingsDialog.pgcSettings->setCurrentIndex(settingsDialog.pgcSettings->count() - 1);
    settle();
    saved &= save(settingsDialog.grab(), output.filePath(QStringLiteral("settings-audio.png")));
    settingsDialog.hide();

    ReciterInstallDialog installDialog(&mainWindow);
    installDialog.show();
    waitUntilExposed(installDialog);
    installDialog.lstCatalogue->setCurrentItem(installDialog.lstCatalogue->topLevelItem(0));
    installDialog.cbScope->setCurrentIndex(installDialog.cbScope->findData(static_cast<int>(ReciterInstallDialog::Scope::Juz)));
    installDialog.edtSuras->setText(QStringLiteral("30"));
    settle();
    saved &= save(installDialog.grab(), output.filePath(QStringLiteral("install-recitation.png")));
    installDialog.hide();
    mainWindow.ui().tabHelp->btnOKHelp->click();
    mainWindow.ui().btnOKAbout->click();
    saved &= saveScreenSizes(mainWindow, output);
    return saved ? 0 : 1;
}
