#include "gui/ui/main_window.h"

#include "core/app/app_info.h"
#include "core/app/settings.h"
#include "core/library/library_location.h"
#include "core/quran/sura_table.h"
#include "core/render/stylesheets.h"
#include "gui/app/error_handler.h"
#include "gui/app/position_autosave.h"
#include "gui/app/qt_text.h"
#include "gui/app/ui_font.h"
#include "gui/app/window_memory.h"
#include "gui/app/window_placement.h"
#include "gui/i18n/live_text.h"
#include "gui/audio/audio_player_tab.h"
#include "gui/audio/reciter_panel.h"
#include "gui/print/page_printer.h"
#include "gui/render/page_look.h"
#include "gui/library/bookmark_stars.h"
#include "gui/tajweed/tajweed_option.h"
#include "gui/library/library.h"
#include "gui/library/topics_tab.h"
#include "gui/render/wb_container.h"
#include "gui/search/search_tab.h"
#include "gui/ui/about_text.h"
#include "gui/ui/aya_context_menu.h"
#include "gui/ui/command_menu.h"
#include "gui/ui/help_panel.h"
#include "gui/ui/index_tree_view.h"
#include "gui/ui/reader_view.h"
#include "gui/ui/settings_dialog.h"
#include "gui/ui/sura_select_dialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLayout>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QWebEngineView>

#include <utility>

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

TfmMain::~TfmMain()
{
    // A window gone before it was shown must not leave its collector as the error reporter.
    if (m_startUp == StartUp::LoadedWhileHidden)
        setErrorReporter(std::move(m_reporterBeforeShow));
}

void TfmMain::FormCreate()
{
    setWindowTitle(toQString(AppName));
    QFont font = tahomaFont();
    font.setPointSize(kDesignFontPoints);
    setFont(font);
    m_ui.setupUi(this);
    m_reader = new ReaderView(m_ui, m_timings, this);
    connect(m_reader, &ReaderView::focusScriptFinished, this, &TfmMain::focusScriptFinished);
    resize(kDesignSize);
    centreOnDesktop(*this);
    restoreWindowState(*this, *m_ui.nxspltr1);
    m_ui.ProgressBar1->hide();
    m_startUp = StartUp::NotLoaded;
    // The web engine starts while the splash is shown, so the first page does not wait for it.
    m_ui.wbQuran->load(QUrl(QStringLiteral("about:blank")));
    createLibrary();
    connectHandlers();
    connectAyaMenu();
    // Pages built from now on name the tajweed rules in the interface language.
    keepTranslated(this, [] { installTajweedTitles(); });
    auto* commands = static_cast<CommandMenu*>(m_ui.pmSetting);
    commands->insertActions(commands->groupEnd(CommandGroup::Recitation), audioTab().keys());
    addTajweedToggle(m_ui.pmSetting, commands->groupEnd(CommandGroup::View), [this] { actReloadSuraExecute(); });
    m_pagePrinter = new PagePrinter(
        this, m_ui.StatusBar1, [this] { return qobject_cast<QWebEngineView*>(m_ui.nbQuran->currentWidget()); },
        [this] { return m_ui.cbSura->currentText(); });
    addPrintActionsToMenus(*m_pagePrinter, m_ui.pmBrow, m_ui.pmSetting, m_ui.actSetting,
                           commands->groupEnd(CommandGroup::Quran));
    m_look = new PageLook(this);
    m_look->addToMenu(*m_ui.pmSetting, commands->groupEnd(CommandGroup::View));
    connect(m_reader, &ReaderView::browserHostCreated, m_look, &PageLook::attach);
}

void TfmMain::createLibrary()
{
    m_library = new Library(defaultLibraryPath(), this);
    m_topicsTab = new TopicsTab(*m_library, m_ui.tabTopics);
    m_ui.tabTopics->layout()->addWidget(m_topicsTab);
    // Ctrl+Z brings a removed bookmark back wherever the focus is (a note editor keeps its own).
    addAction(m_topicsTab->undoAction());
    m_positionAutosave = new PositionAutosave(this);
    m_bookmarkStars = new BookmarkStars(*m_library, navigator(), [this] { return QuranHost(); },
                                        m_ui.actToggleBookmark, m_ui.StatusBar1, this);
    connect(m_bookmarkStars, &BookmarkStars::drawn, this, &TfmMain::bookmarkMarksDrawn);
    connect(m_reader, &ReaderView::suraPageLoaded, m_bookmarkStars, guarded([this] { m_bookmarkStars->draw(); }));
    connect(m_reader, &ReaderView::ayaShown, this, [this](TQuranPos position) {
        m_positionAutosave->positionShown(position);
        m_bookmarkStars->updateAction();
    });
    connect(m_topicsTab, &TopicsTab::gotoRequested, this,
            guarded([this](int sura, int aya) { navigator().goTo({sura, aya}); }));
}

void TfmMain::connectHandlers()
{
    Navigator& nav = navigator();
    connect(m_ui.tvIndex, &QTreeWidget::itemActivated, this,
            guarded([this](QTreeWidgetItem* item) { tvIndexActivate(item); }));
    connect(m_ui.btnSetting, &QToolButton::clicked, this, guarded([this] { btnSettingClick(); }));
    connect(m_ui.btnOKAbout, &QPushButton::clicked, this, guarded([this] { btnOKAboutClick(); }));

    connect(m_ui.actGotoSelectedSura, &QAction::triggered, this, guarded([this] { actGotoSelectedSuraExecute(); }));
    connect(m_ui.actGotoSuraPrev, &QAction::triggered, this, guarded([&nav] { nav.gotoSuraPrev(); }));
    connect(m_ui.actGotoSuraNext, &QAction::triggered, this, guarded([&nav] { nav.gotoSuraNext(); }));
    connect(m_ui.actGotoAyaPrev, &QAction::triggered, this, guarded([&nav] { nav.gotoAyaPrev(); }));
    connect(m_ui.actGotoAyaNext, &QAction::triggered, this, guarded([&nav] { nav.gotoAyaNext(); }));
    connect(m_ui.actSearchSura, &QAction::triggered, this, guarded([this] { actSearchSuraExecute(); }));
    connect(m_ui.actReloadSura, &QAction::triggered, this, guarded([this] { actReloadSuraExecute(); }));
    connect(m_ui.actSetting, &QAction::triggered, this, guarded([this] { actSettingExecute(); }));
    connect(m_ui.actHelp, &QAction::triggered, this, guarded([this] { actHelpExecute(); }));
    connect(m_ui.actAbout, &QAction::triggered, this, guarded([this] { actAboutExecute(); }));
    connect(m_ui.tabHelp, &HelpPanel::closeRequested, this, [this] { helpClosed(); });
    connect(m_ui.actExit, &QAction::triggered, this, &QWidget::close);
    connect(m_ui.actFind, &QAction::triggered, this, guarded([this] { actFindExecute(); }));
    m_ui.tabSearch->setShownSuraSource([&nav] { return nav.FCurPos.Sura; });
    connect(m_ui.tabSearch, &SearchTab::ayaChosen, this,
            guarded([this](int sura, int aya) { searchAyaChosen(sura, aya); }));
}

// The start-up loading runs once; the state is set first so that a load that fails is
// reported once rather than retried on every later show.
void TfmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_startUp == StartUp::Shown)
        return;
    const bool loadedWhileHidden = m_startUp == StartUp::LoadedWhileHidden;
    m_startUp = StartUp::Shown;
    if (loadedWhileHidden)
        reportProblemsBeforeShow();
    m_timings.start(ReaderTimings::Event::FirstPage);
    m_ui.tabSearch->prepareInBackground();
    if (!loadedWhileHidden)
        runGuarded([this] { FormShow(); });
    // A page loaded while the window was hidden is focused again at the size it is shown at.
    else
        m_reader->focusAgain();
}

void TfmMain::loadBeforeShow()
{
    // The page view gets its final size now, so that the page is laid out once, at that size.
    ensurePolished();
    layout()->activate();
    // A message box opened before the window shows could lie behind the splash and hold the
    // start-up in a wait nobody sees: problems are told once the window is up.
    if (m_startUp != StartUp::NotLoaded)
        return;
    m_reporterBeforeShow = setErrorReporter([this](const QString& message) { m_problemsBeforeShow.append(message); });
    m_startUp = StartUp::LoadedWhileHidden;
    runGuarded([this] { FormShow(); });
}

void TfmMain::reportProblemsBeforeShow()
{
    setErrorReporter(std::move(m_reporterBeforeShow));
    QTimer::singleShot(0, this, [this] {
        for (const QString& message : std::exchange(m_problemsBeforeShow, {}))
            reportError(message);
    });
}

void TfmMain::FormShow()
{
    m_reader->startUpLoadingBegins();
    BuildAboutText(m_ui.redt1, m_ui.lblAboutLink, QCoreApplication::applicationFilePath());
    m_ui.pgcNav->setTabVisible(m_ui.pgcNav->indexOf(m_ui.tabAbout), false);
    LoadSettings();
    m_look->applySettings();
    if (m_startPosition) {
        AppSet.LastOpenedSura = m_startPosition->Sura;
        AppSet.LastOpenedAya = m_startPosition->Aya;
    }
    m_positionAutosave->setSaved({AppSet.LastOpenedSura, AppSet.LastOpenedAya});
    m_library->open();
    audioTab().loadReciter();
    LoadQuranData(*m_reader);
    audioTab().setUpFromSettings();
}

// The window closes even when saving fails: the error is shown and the close goes on.
void TfmMain::closeEvent(QCloseEvent* event)
{
    runGuarded([this] { FormClose(); });
    QMainWindow::closeEvent(event);
}

void TfmMain::FormClose()
{
    FreeQuranData();
    m_reader->freeBrowserHosts();
    saveSession();
}

void TfmMain::saveSession()
{
    runGuarded([this] { m_topicsTab->saveNoteNow(); });
    // A start-up that failed before any page was shown must not overwrite the last-read
    // position with "none".
    if (navigator().FCurPos.Sura != 0) {
        AppSet.LastOpenedSura = navigator().FCurPos.Sura;
        AppSet.LastOpenedAya = navigator().FCurPos.Aya;
    }
    SaveSettings();
    saveWindowState(*this, *m_ui.nxspltr1);
}

bool TfmMain::event(QEvent* event)
{
    // The long part of a hint goes to the window's own status strip.
    if (event->type() == QEvent::StatusTip) {
        m_ui.StatusBar1->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TfmMain::connectAyaMenu()
{
    m_ayaMenu = new AyaContextMenu(m_ui.wbQuran, m_ui.pmBrow, m_ui.actToggleBookmark, [this]() -> std::optional<TQuranPos> {
        if (navigator().FCurPos.Sura == 0)
            return std::nullopt;
        return navigator().FCurPos;
    }, this);
    connect(m_ui.wbQuran, &QWidget::customContextMenuRequested, m_ayaMenu, &AyaContextMenu::showAt);
    connect(m_ayaMenu, &AyaContextMenu::ayaTargeted, this, guarded([this](TQuranPos pos) {
        if (pos != navigator().FCurPos)
            navigator().goTo(pos, GotoReason::Command);
    }));
    connect(m_ayaMenu, &AyaContextMenu::playRequested, this, guarded([this](TQuranPos pos) {
        navigator().goTo(pos, GotoReason::Command);
        audioTab().playShownAya();
    }));
    connect(m_ayaMenu, &AyaContextMenu::noteRequested, this, guarded([this](TQuranPos pos) { addNoteFor(pos); }));
}

// The aya is bookmarked if it was not, and its note opens in the Topics tab.
void TfmMain::addNoteFor(TQuranPos pos)
{
    if (!m_library->read([pos](BookmarkStore& store) { return store.find(pos).has_value(); }))
        m_library->toggle(pos);
    m_ui.pgcNav->setCurrentWidget(m_ui.tabTopics);
    openNoteOf(*m_topicsTab, pos);
}

// A double-click or Enter on an index node goes where the node starts.
void TfmMain::tvIndexActivate(QTreeWidgetItem* item)
{
    const TQuranPos target = indexTargetOf(item);
    if (target.Sura != 0)
        navigator().goTo(target);
}

void TfmMain::btnSettingClick()
{
    m_ui.pmSetting->popup(m_ui.btnSetting->mapToGlobal(QPoint(-110, m_ui.btnSetting->height())));
}

void TfmMain::actGotoSelectedSuraExecute()
{
    navigator().gotoSelected();
}

void TfmMain::actSearchSuraExecute()
{
    if (m_suraDialog == nullptr)
        m_suraDialog = new TDlgSrchSura(this);
    if (m_suraDialog->exec() != QDialog::Accepted)
        return;
    const int sura = m_suraDialog->selectedSura();
    if (sura < 1 || sura > kSuraCount)
        return;
    // Picking the sura the box already holds keeps the aya chosen beside it.
    m_ui.cbSura->setCurrentIndex(sura - 1);
    navigator().gotoSelected();
}

void TfmMain::actFindExecute()
{
    m_ui.pgcNav->setCurrentWidget(m_ui.tabSearch);
    m_ui.tabSearch->focusSearchBox();
}

// A hit outside the text (a damaged index) is not taken for the nearest aya.
void TfmMain::searchAyaChosen(int sura, int aya)
{
    if (sura < 1 || sura > kSuraCount || aya < 1 || aya > SuraTable[sura].AyaCount)
        return;
    navigator().goTo({sura, aya});
}

void TfmMain::actReloadSuraExecute()
{
    navigator().reloadSura();
}

// Only the common stylesheet carries the settings; the screen stylesheets never change.
void TfmMain::actSettingExecute()
{
    TDlgSett dialog(this, audioTab().controls().panReciter->reciters());
    const bool applied = dialog.exec() == QDialog::Accepted;
    // Reciters may have been installed or removed, applied or not.
    audioTab().settingsClosed(applied ? dialog.chosenReciter() : QString());
    if (!applied)
        return;
    // Kept at once: settings kept only until a clean exit are lost to a crash or a kill.
    SaveSettings();
    m_look->applySettings();
    if (!dialog.SettingsChanged)
        return;
    WriteCommonCss();
    actReloadSuraExecute();
}

// The help page stands beside About as a page of the reader; its OK returns to where the
// reader was.
void TfmMain::actHelpExecute()
{
    QWidget* current = m_ui.pgcNav->currentWidget();
    if (current != m_ui.tabHelp && current != m_ui.tabAbout)
        m_helpReturnPage = m_ui.pgcNav->currentIndex();
    m_ui.tabHelp->showHelp(actions());
    m_ui.pgcNav->setTabVisible(m_ui.pgcNav->indexOf(m_ui.tabHelp), true);
    m_ui.pgcNav->setCurrentWidget(m_ui.tabHelp);
    m_ui.tabHelp->btnOKHelp->setFocus();
}

void TfmMain::helpClosed()
{
    m_ui.pgcNav->setCurrentIndex(m_helpReturnPage);
    m_ui.pgcNav->setTabVisible(m_ui.pgcNav->indexOf(m_ui.tabHelp), false);
}

void TfmMain::actAboutExecute()
{
    // Opened again while shown, About must not become the page to return to.
    if (m_ui.pgcNav->currentWidget() != m_ui.tabAbout)
        AboutReturnPage = m_ui.pgcNav->currentIndex();
    m_ui.pgcNav->setTabVisible(m_ui.pgcNav->indexOf(m_ui.tabAbout), true);
    m_ui.pgcNav->setCurrentWidget(m_ui.tabAbout);
    m_ui.btnOKAbout->setFocus();
}

void TfmMain::btnOKAboutClick()
{
    m_ui.pgcNav->setCurrentIndex(AboutReturnPage);
    m_ui.pgcNav->setTabVisible(m_ui.pgcNav->indexOf(m_ui.tabAbout), false);
}

Navigator& TfmMain::navigator()
{
    return m_reader->navigator();
}

TWBContainer* TfmMain::QuranHost() const
{
    return m_reader->quranHost();
}

TWBContainer* TfmMain::BukaTutupHost() const
{
    return m_reader->prefaceHost();
}

AudioPlayerTab& TfmMain::audioTab() const
{
    return m_reader->audioTab();
}

bool TfmMain::FAudioActive() const
{
    return audioTab().isActive();
}

const GstMediaDevice& TfmMain::mediaDevice() const
{
    return audioTab().mediaDevice();
}

AyaPlaceLabel* TfmMain::placeLabel() const
{
    return m_reader->placeLabel();
}

ReciterInstallDialog* TfmMain::installDialog() const
{
    return audioTab().installDialog();
}

QTreeWidgetItem* TfmMain::FindTreeNode(QTreeWidget* tree, const QString& text, bool makeVisible)
{
    return ReaderView::FindTreeNode(tree, text, makeVisible);
}

void TfmMain::SelectContentsNode(const QString& text)
{
    m_reader->SelectContentsNode(text);
}

} // namespace tilvane
