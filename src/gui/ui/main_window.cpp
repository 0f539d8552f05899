#include "gui/ui/main_window.h"

#include "core/app/app_info.h"
#include "core/base/ascii_case.h"
#include "core/app/settings.h"
#include "core/audio/audio_files.h"
#include "core/audio/reciter_choice.h"
#include "core/audio/reciter_layout.h"
#include "core/library/bookmark_marks.h"
#include "core/library/library_location.h"
#include "core/quran/sura_table.h"
#include "core/quran/translation_files.h"
#include "core/quran/translations.h"
#include "core/render/preface_page.h"
#include "core/render/stylesheets.h"
#include "core/render/sura_page.h"
#include "gui/app/error_handler.h"
#include "gui/app/position_autosave.h"
#include "gui/app/qt_text.h"
#include "gui/app/ui_font.h"
#include "gui/app/window_memory.h"
#include "gui/app/window_placement.h"
#include "gui/audio/recitation_options_panel.h"
#include "gui/audio/reciter_install_dialog.h"
#include "gui/audio/reciter_panel.h"
#include "gui/print/page_printer.h"
#include "gui/render/host_style_sheet.h"
#include "gui/library/library.h"
#include "gui/library/topics_tab.h"
#include "gui/render/wb_container.h"
#include "gui/search/search_tab.h"
#include "gui/ui/about_text.h"
#include "gui/ui/contents_tree_view.h"
#include "gui/ui/index_tree_view.h"
#include "gui/ui/settings_dialog.h"
#include "gui/ui/sura_select_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QSlider>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QWebEngineView>

#include <algorithm>
#include <utility>

namespace tilvane {

namespace {

constexpr QSize kDesignSize(915, 614);
constexpr int kDesignFontPoints = 8;
constexpr int kSuraPage = 0;
constexpr int kPrefacePage = 1;

} // namespace

TfmMain::TfmMain(QWidget* parent)
    : QMainWindow(parent)
{
    FormCreate();
}

TfmMain::~TfmMain()
{
    // A window gone before it was shown must not leave its collector as the error reporter.
    if (m_reportingDeferred)
        setErrorReporter(std::move(m_reporterBeforeShow));
}

void TfmMain::FormCreate()
{
    setWindowTitle(toQString(AppName));
    QFont font = tahomaFont();
    font.setPointSize(kDesignFontPoints);
    setFont(font);
    ui.setupUi(this);
    resize(kDesignSize);
    centreOnDesktop(*this);
    restoreWindowState(*this, *ui.nxspltr1);
    ui.ProgressBar1->hide();
    FFirstShowDone = false;
    tmrPlay.setInterval(100);
    // The web engine starts while the splash is shown, so the first page does not wait for it.
    ui.wbQuran->load(QUrl(QStringLiteral("about:blank")));
    createLibrary();
    connectHandlers();
    connectPlayer();
    m_pagePrinter = new TPagePrinter(
        this, ui.StatusBar1, [this] { return qobject_cast<QWebEngineView*>(ui.nbQuran->currentWidget()); },
        [this] { return ui.cbSura->currentText(); });
    addPrintActionsToMenus(*m_pagePrinter, ui.pmBrow, ui.pmSetting, ui.actSetting, ui.actExit);
}

void TfmMain::createLibrary()
{
    m_library = new TLibrary(defaultLibraryPath(), this);
    m_topicsTab = new TTopicsTab(*m_library, ui.tabTopics);
    ui.tabTopics->layout()->addWidget(m_topicsTab);
    // Ctrl+Z brings a removed bookmark back wherever the focus is (a note editor keeps its own).
    addAction(m_topicsTab->undoAction());
    m_positionAutosave = new TPositionAutosave(this);
    connect(m_library, &TLibrary::changed, this, guarded([this] { drawBookmarkMarks(); }));
    connect(m_topicsTab, &TTopicsTab::gotoRequested, this,
            guarded([this](int sura, int aya) { showBookmark(sura, aya); }));
    connect(ui.actToggleBookmark, &QAction::triggered, this, guarded([this] { actToggleBookmarkExecute(); }));
}

void TfmMain::connectHandlers()
{
    connect(ui.cbSura, &QComboBox::currentIndexChanged, this, guarded([this](int index) { cbSuraChange(index); }));
    connect(ui.cbAya, &QComboBox::currentIndexChanged, this, guarded([this](int index) { cbAyaChange(index); }));
    connect(ui.tvContents, &QTreeWidget::currentItemChanged, this,
            guarded([this](QTreeWidgetItem* current) { tvContentsChange(current); }));
    // A click on the node that was already current raises no change, yet the reader may have
    // moved away from what it shows (back to the sura from its closing page): show it again.
    ui.tvContents->viewport()->installEventFilter(this);
    connect(ui.tvContents, &QTreeWidget::itemClicked, this, guarded([this](QTreeWidgetItem* item) {
        if (item == std::exchange(m_contentsNodeAtPress, nullptr))
            tvContentsChange(item);
    }));
    connect(ui.tvIndex, &QTreeWidget::itemActivated, this,
            guarded([this](QTreeWidgetItem* item) { tvIndexActivate(item); }));
    connect(ui.btnSetting, &QToolButton::clicked, this, guarded([this] { btnSettingClick(); }));
    connect(ui.btnOKAbout, &QPushButton::clicked, this, guarded([this] { btnOKAboutClick(); }));

    connect(ui.actGotoSelectedSura, &QAction::triggered, this, guarded([this] { actGotoSelectedSuraExecute(); }));
    connect(ui.actGotoSuraPrev, &QAction::triggered, this, guarded([this] { m_navigator.gotoSuraPrev(); }));
    connect(ui.actGotoSuraNext, &QAction::triggered, this, guarded([this] { m_navigator.gotoSuraNext(); }));
    connect(ui.actGotoAyaPrev, &QAction::triggered, this, guarded([this] { m_navigator.gotoAyaPrev(); }));
    connect(ui.actGotoAyaNext, &QAction::triggered, this, guarded([this] { m_navigator.gotoAyaNext(); }));
    connect(ui.actSearchSura, &QAction::triggered, this, guarded([this] { actSearchSuraExecute(); }));
    connect(ui.actReloadSura, &QAction::triggered, this, guarded([this] { actReloadSuraExecute(); }));
    connect(ui.actSetting, &QAction::triggered, this, guarded([this] { actSettingExecute(); }));
    connect(ui.actHelp, &QAction::triggered, this, guarded([this] { actHelpExecute(); }));
    connect(ui.actAbout, &QAction::triggered, this, guarded([this] { actAboutExecute(); }));
    connect(ui.actExit, &QAction::triggered, this, &QWidget::close);
    connect(ui.actFind, &QAction::triggered, this, guarded([this] { actFindExecute(); }));
    ui.tabSearch->setShownSuraSource([this] { return m_navigator.FCurPos.Sura; });
    connect(ui.tabSearch, &TSearchTab::ayaChosen, this,
            guarded([this](int sura, int aya) { searchAyaChosen(sura, aya); }));
}

void TfmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        reportProblemsBeforeShow();
        m_timings.start(TReaderTimings::Event::FirstPage);
        // A page loaded while the window was hidden is focused again at the size it is shown at.
        if (m_navigator.FDocLoaded && m_navigator.FCurPos.Sura != 0)
            runFocusScript(m_navigator.FCurPos.Sura, m_navigator.FCurPos.Aya);
    }
    runGuarded([this] { FormShow(); });
}

void TfmMain::loadBeforeShow()
{
    // The page view gets its final size now, so that the page is laid out once, at that size.
    ensurePolished();
    layout()->activate();
    // A message box opened before the window shows could lie behind the splash and hold the
    // start-up in a wait nobody sees: problems are told once the window is up.
    m_reporterBeforeShow = setErrorReporter([this](const QString& message) { m_problemsBeforeShow.append(message); });
    m_reportingDeferred = true;
    runGuarded([this] { FormShow(); });
}

void TfmMain::reportProblemsBeforeShow()
{
    if (!m_reportingDeferred)
        return;
    m_reportingDeferred = false;
    setErrorReporter(std::move(m_reporterBeforeShow));
    QTimer::singleShot(0, this, [this] {
        for (const QString& message : std::exchange(m_problemsBeforeShow, {}))
            reportError(message);
    });
}

// The start-up loading runs once, on the first show; the flag is set first so that a load
// that fails is reported once rather than retried on every later show.
void TfmMain::FormShow()
{
    if (FFirstShowDone)
        return;
    FFirstShowDone = true;
    BuildAboutText(ui.redt1, ui.lblAboutLink, QCoreApplication::applicationFilePath());
    ui.pgcNav->setTabVisible(ui.pgcNav->indexOf(ui.tabAbout), false);
    LoadSettings();
    m_positionAutosave->setSaved({AppSet.LastOpenedSura, AppSet.LastOpenedAya});
    m_library->open();
    AppSet.Reciter = reciterToUse(AppSet.Reciter);
    InitAudio();
    showReciter();
    LoadQuranData(*this);
    m_player.setUpFromSettings();
    ui.panRecitationOptions->showSettings();
}

// The window closes even when saving fails: the error is shown and the close goes on.
void TfmMain::closeEvent(QCloseEvent* event)
{
    runGuarded([this] { FormClose(); });
    QMainWindow::closeEvent(event);
}

void TfmMain::FormClose()
{
    runGuarded([this] { m_topicsTab->saveNoteNow(); });
    FreeQuranData();
    freeBrowserHosts();
    // A start-up that failed before any page was shown must not overwrite the last-read
    // position with "none".
    if (m_navigator.FCurPos.Sura != 0) {
        AppSet.LastOpenedSura = m_navigator.FCurPos.Sura;
        AppSet.LastOpenedAya = m_navigator.FCurPos.Aya;
    }
    SaveSettings();
    saveWindowState(*this, *ui.nxspltr1);
}

void TfmMain::freeBrowserHosts()
{
    delete QuranHost;
    QuranHost = nullptr;
    delete BukaTutupHost;
    BukaTutupHost = nullptr;
}

bool TfmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui.tvContents->viewport() && event->type() == QEvent::MouseButtonPress)
        m_contentsNodeAtPress = ui.tvContents->currentItem();
    return QMainWindow::eventFilter(watched, event);
}

bool TfmMain::event(QEvent* event)
{
    // The long part of a hint goes to the window's own status strip.
    if (event->type() == QEvent::StatusTip) {
        ui.StatusBar1->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TfmMain::wbQuranProgressChange(int progress)
{
    ui.ProgressBar1->setMaximum(100);
    ui.ProgressBar1->setValue(progress);
    ui.ProgressBar1->setVisible(progress != ui.ProgressBar1->maximum());
}

// Only the page last asked for counts (the host's load watch), or the focus would run in a
// page that is about to go.
void TfmMain::wbQuranDocumentComplete()
{
    m_navigator.wbQuranDocumentComplete();
    drawBookmarkMarks();
}

void TfmMain::actToggleBookmarkExecute()
{
    const TQuranPos pos = m_navigator.FCurPos;
    if (pos.Sura == 0)
        return;
    const QString where = QStringLiteral("%1:%2").arg(pos.Sura).arg(pos.Aya);
    bool added = false;
    try {
        added = m_library->toggle(pos);
    } catch (...) {
        updateBookmarkAction(); // the action ticked itself when triggered
        throw;
    }
    if (added)
        ui.StatusBar1->showMessage("Bookmarked " + where);
    else
        ui.StatusBar1->showMessage("Bookmark on " + where + " removed; Ctrl+Z brings it back");
}

void TfmMain::showBookmark(int sura, int aya)
{
    ui.pgcNav->setCurrentWidget(ui.tabQuran);
    m_navigator.FGotoSura = sura;
    m_navigator.FGotoAya = aya;
    m_navigator.gotoSelected();
}

void TfmMain::drawBookmarkMarks()
{
    const int sura = m_navigator.FCurPos.Sura;
    if (QuranHost == nullptr || !m_navigator.FDocLoaded || sura == 0)
        return;
    m_markedSura = sura;
    m_markedAyas = m_library->read([sura](BookmarkStore& store) { return store.bookmarkedAyas(sura); });
    updateBookmarkAction();
    // A failed run leaves the page without marks until the next load or change redraws them.
    QuranHost->runScriptChecked(toQString(bookmarkMarksScript(sura, m_markedAyas)),
                                [this](bool completed) { emit bookmarkMarksDrawn(completed); });
}

void TfmMain::updateBookmarkAction()
{
    const TQuranPos pos = m_navigator.FCurPos;
    const bool marked = std::find(m_markedAyas.begin(), m_markedAyas.end(), pos.Aya) != m_markedAyas.end();
    ui.actToggleBookmark->setChecked(pos.Sura == m_markedSura && marked);
}

void TfmMain::cbSuraChange(int index)
{
    m_navigator.suraBoxChanged(index);
}

void TfmMain::cbAyaChange(int index)
{
    m_navigator.ayaBoxChanged(index);
}

void TfmMain::tvContentsChange(QTreeWidgetItem* current)
{
    if (current == nullptr || current->parent() == nullptr)
        return;
    const TContentNode node = contentNodeOf(current);
    if (node.Kind == kContentSuraText)
        m_navigator.showSuraText(node.Sura);
    else if (node.Kind == kContentPreface || node.Kind == kContentClosing)
        ShowPrefacePage(node.Sura, node.Kind == kContentPreface, node.PageFile, *this);
}

// A double-click or Enter on an index node does what Go does with its sura and aya chosen.
void TfmMain::tvIndexActivate(QTreeWidgetItem* item)
{
    const TQuranPos target = indexTargetOf(item);
    if (target.Sura == 0)
        return;
    ui.pgcNav->setCurrentWidget(ui.tabQuran);
    ui.cbSura->setCurrentIndex(target.Sura - 1);
    ui.cbAya->setCurrentIndex(target.Aya - 1);
    actGotoSelectedSuraExecute();
}

void TfmMain::btnSettingClick()
{
    ui.pmSetting->popup(ui.btnSetting->mapToGlobal(QPoint(-110, ui.btnSetting->height())));
}

void TfmMain::actGotoSelectedSuraExecute()
{
    SelectContentsNode(ui.cbSura->currentText());
    m_navigator.gotoSelected();
    // A running recitation goes on at the new aya.
    if (FAudioActive())
        m_player.PlayerCommand(pcPlay);
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
    ui.cbSura->setCurrentIndex(sura - 1);
    actGotoSelectedSuraExecute();
}

void TfmMain::actFindExecute()
{
    ui.pgcNav->setCurrentWidget(ui.tabSearch);
    ui.tabSearch->focusSearchBox();
}

// A hit is shown as the Go button shows the boxes' choice, with the reading page in front.
void TfmMain::searchAyaChosen(int sura, int aya)
{
    if (sura < 1 || sura > kSuraCount || aya < 1 || aya > SuraTable[sura].AyaCount)
        return;
    ui.cbSura->setCurrentIndex(sura - 1);
    ui.cbAya->setCurrentIndex(aya - 1);
    ui.pgcNav->setCurrentWidget(ui.tabQuran);
    actGotoSelectedSuraExecute();
}

void TfmMain::actReloadSuraExecute()
{
    m_navigator.reloadSura();
}

// Only the common stylesheet carries the settings; the screen stylesheets never change.
void TfmMain::actSettingExecute()
{
    TDlgSett dialog(this);
    if (dialog.exec() != QDialog::Accepted || !dialog.SettingsChanged)
        return;
    WriteCommonCss();
    actReloadSuraExecute();
}

void TfmMain::actHelpExecute()
{
    QMessageBox::information(this, windowTitle(), "Help is under conctructions !");
}

void TfmMain::actAboutExecute()
{
    // Opened again while shown, About must not become the page to return to.
    if (ui.pgcNav->currentWidget() != ui.tabAbout)
        AboutReturnPage = ui.pgcNav->currentIndex();
    ui.pgcNav->setTabVisible(ui.pgcNav->indexOf(ui.tabAbout), true);
    ui.pgcNav->setCurrentWidget(ui.tabAbout);
    ui.btnOKAbout->setFocus();
}

void TfmMain::btnOKAboutClick()
{
    ui.pgcNav->setCurrentIndex(AboutReturnPage);
    ui.pgcNav->setTabVisible(ui.pgcNav->indexOf(ui.tabAbout), false);
}

QTreeWidgetItem* TfmMain::FindTreeNode(QTreeWidget* tree, const QString& text, bool makeVisible)
{
    const std::string wanted = text.toStdString();
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
        if (equalsIgnoringAsciiCase((*it)->text(0).toStdString(), wanted)) {
            if (makeVisible)
                tree->scrollToItem(*it);
            return *it;
        }
    }
    return nullptr;
}

void TfmMain::SelectContentsNode(const QString& text)
{
    if (QTreeWidgetItem* node = FindTreeNode(ui.tvContents, text, true)) {
        ui.tvContents->setCurrentItem(node);
        node->setExpanded(true);
    }
}

// --- navigation view --------------------------------------------------------------------

bool TfmMain::isSuraPageInFront() const
{
    return ui.nbQuran->currentIndex() == kSuraPage;
}

void TfmMain::bringSuraPageToFront()
{
    ui.nbQuran->setCurrentIndex(kSuraPage);
}

void TfmMain::buildSuraPage(int sura)
{
    // A page built behind a preface or closing page is not focused until the reader returns
    // to it, so it is not a sura change the reader waits for; nor is one built before the
    // window is shown.
    if (m_navigator.FCurPos.Sura != 0 && FFirstShowDone && m_navigator.FShowSuraPage && isVisible())
        m_timings.start(TReaderTimings::Event::SuraChange);
    BuildSuraPage(sura, *this);
    m_player.clearBismillahDone();
    for (const std::string& problem : takeTranslationProblems())
        reportError(toQString(problem));
}

// Qt raises currentIndexChanged on clear() and on the first addItem(); the refill must not
// move the requested aya.
void TfmMain::fillAyaBox(int ayaCount)
{
    const QSignalBlocker blocker(ui.cbAya);
    ui.cbAya->clear();
    for (int aya = 1; aya <= ayaCount; ++aya)
        ui.cbAya->addItem(QString::number(aya));
}

void TfmMain::selectSuraBoxIndex(int index)
{
    ui.cbSura->setCurrentIndex(index);
}

void TfmMain::selectAyaBoxIndex(int index)
{
    ui.cbAya->setCurrentIndex(index);
}

void TfmMain::setSuraNameTrans(const std::string& text)
{
    ui.lblSuraNameTrans->setText(toQString(text));
}

void TfmMain::setQuranStatus(const std::string& text)
{
    ui.lblQuranStatus->setText(toQString(text));
}

// Every move passes here (FocusCurrentAya hands each shown position to the audio part).
void TfmMain::setAudioAya(const TQuranPos& position)
{
    ui.lblAuPlayAya->setText(toQString(SetAudioAya(position)));
    m_positionAutosave->positionShown(position);
    updateBookmarkAction();
}

void TfmMain::runFocusScript(int sura, int aya)
{
    if (QuranHost == nullptr)
        return;
    if (isVisible())
        m_timings.start(TReaderTimings::Event::AyaMove);
    const QString script = QStringLiteral("focusOnAya(%1, %2)").arg(sura).arg(aya);
    QuranHost->runScriptChecked(script, [this](bool completed) {
        m_timings.finish();
        if (!completed)
            reportError(QStringLiteral("Error running JavaScript"));
        emit focusScriptFinished(completed);
    });
}

// --- loading ----------------------------------------------------------------------------

void TfmMain::createBrowserHosts()
{
    freeBrowserHosts();
    QuranHost = newBrowserHost(ui.wbQuran, kSuraPageEngineRules);
    connect(ui.wbQuran, &QWebEngineView::loadProgress, QuranHost,
            guarded([this](int progress) { wbQuranProgressChange(progress); }));
    connect(QuranHost->loadWatch(), &TPageLoadWatch::documentComplete, QuranHost,
            guarded([this] { wbQuranDocumentComplete(); }));
}

TWBContainer* TfmMain::newBrowserHost(QWebEngineView* view, const char* engineRules)
{
    auto* host = new TWBContainer(view);
    host->UseControlPopupMenu = true;
    host->Border3DVisible = false;
    host->ScrollBarsVisible = true;
    host->TextSelectable = true;
    host->HostStyleSheet = engineRules;
    host->setPopupMenu(ui.pmBrow);
    return host;
}

void TfmMain::loadIndexTree(const std::vector<TIndexNode>& nodes)
{
    fillIndexTree(ui.tvIndex, nodes);
}

void TfmMain::fillContents(const std::vector<TContentsSura>& suras)
{
    const QSignalBlocker suraBlocker(ui.cbSura);
    const QSignalBlocker treeBlocker(ui.tvContents);
    QStringList suraTexts;
    suraTexts.reserve(static_cast<qsizetype>(suras.size()));
    for (const TContentsSura& sura : suras)
        suraTexts.append(toQString(sura.item.text));
    ui.cbSura->clear();
    ui.cbSura->addItems(suraTexts);
    fillContentsTree(ui.tvContents, suras);
}

void TfmMain::writeStylesheets()
{
    WriteAllStylesheets();
}

void TfmMain::showInitialPosition(int sura, int aya)
{
    {
        const QSignalBlocker suraBlocker(ui.cbSura);
        const QSignalBlocker ayaBlocker(ui.cbAya);
        ui.cbSura->setCurrentIndex(0);
        ui.cbAya->setCurrentIndex(0);
    }
    m_navigator.FShowSuraPage = true;
    m_navigator.showInitialPosition(sura, aya);
}

// --- page host --------------------------------------------------------------------------

void TfmMain::clearDocLoaded()
{
    m_navigator.FDocLoaded = false;
}

void TfmMain::navigateQuranPage(const std::string& path)
{
    if (QuranHost != nullptr)
        QuranHost->Navigate(path);
}

void TfmMain::clearBismillahDone()
{
    m_player.clearBismillahDone();
}

void TfmMain::showSuraBehindPreface(int sura)
{
    m_navigator.showSuraBehindPreface(sura);
}

void TfmMain::showPrefacePage(const std::string& path)
{
    if (BukaTutupHost == nullptr)
        BukaTutupHost = newBrowserHost(ui.createPrefaceView(), kPrefacePageEngineRules);
    ui.nbQuran->setCurrentIndex(kPrefacePage);
    BukaTutupHost->Navigate(path);
}

// --- recitation player ------------------------------------------------------------------

void TfmMain::connectPlayer()
{
    connect(&tmrPlay, &QTimer::timeout, this, guarded([this] { m_player.tmrPlayTimer(); }));
    mpAudio.setNoticeHandler(guarded([this] { m_player.mediaNotice(); }));
    connect(ui.btnPlayPause, &QToolButton::clicked, this, guarded([this] { m_player.btnPlayPauseClick(); }));
    connect(ui.btnStop, &QToolButton::clicked, this, guarded([this] { m_player.btnStopClick(); }));
    connect(ui.btnPlayPrevAya, &QToolButton::clicked, this, guarded([this] { m_player.btnPlayPrevAyaClick(); }));
    connect(ui.btnPlayNextAya, &QToolButton::clicked, this, guarded([this] { m_player.btnPlayNextAyaClick(); }));
    connect(ui.btnSpeaker, &QToolButton::clicked, this, guarded([this] { m_player.btnSpeakerClick(); }));
    connect(ui.trbVolume, &QSlider::valueChanged, this,
            guarded([this](int loudness) { m_player.trbVolumeChange(ui.trbVolume->maximum() - loudness); }));
    connect(ui.chkAudioContinue, &QCheckBox::toggled, this,
            guarded([this](bool checked) { m_player.chkAudioContinueChange(checked); }));
    // The keys act like the buttons, and only while those are usable.
    connect(ui.actPlayPause, &QAction::triggered, ui.btnPlayPause, [this] {
        if (ui.btnPlayPause->isEnabled())
            ui.btnPlayPause->click();
    });
    connect(ui.panRecitationOptions, &RecitationOptionsPanel::speedChanged, this,
            guarded([this](int percent) { m_player.setPlaybackSpeed(percent); }));
    connect(ui.panReciter, &ReciterPanel::reciterChosen, this,
            guarded([this](const QString& name) { cbReciterChange(name); }));
    connect(ui.panReciter, &ReciterPanel::installRequested, this, guarded([this] { btnInstallReciterClick(); }));
    connect(ui.actPlayStop, &QAction::triggered, ui.btnStop, &QToolButton::click);
    connect(ui.actPlayNextAya, &QAction::triggered, ui.btnPlayNextAya, &QToolButton::click);
    connect(ui.actPlayPrevAya, &QAction::triggered, ui.btnPlayPrevAya, &QToolButton::click);
}

TQuranPos TfmMain::currentPos() const
{
    return m_navigator.FCurPos;
}

void TfmMain::gotoNextAya()
{
    m_navigator.gotoAyaNext();
}

void TfmMain::gotoPrevAya()
{
    m_navigator.gotoAyaPrev();
}

void TfmMain::gotoAya(const TQuranPos& pos)
{
    m_navigator.FGotoSura = pos.Sura;
    m_navigator.FGotoAya = pos.Aya;
    m_navigator.gotoSelected();
}

// Another reciter: its description is read again and the shown aya's file comes from it.
void TfmMain::cbReciterChange(const QString& name)
{
    if (FAudioActive())
        m_player.PlayerCommand(pcStop);
    AppSet.Reciter = name.toStdString();
    saveReciterChoice(AppSet.Reciter);
    InitAudio();
    if (m_navigator.FCurPos.Sura != 0)
        setAudioAya(m_navigator.FCurPos);
    showReciter();
}

void TfmMain::showReciter()
{
    ui.lblReciter->setText(toQString(reciterLabel(AppSet.Reciter)));
    ui.panReciter->refresh();
}

void TfmMain::btnInstallReciterClick()
{
    if (m_installDialog == nullptr) {
        m_installDialog = new ReciterInstallDialog(this);
        connect(m_installDialog, &ReciterInstallDialog::reciterInstalled, this,
                guarded([this](const QString& name) { reciterInstalled(name); }));
    }
    m_installDialog->show();
    m_installDialog->raise();
    m_installDialog->activateWindow();
}

// A new user's first reciter becomes the one played; with one in use already the new one
// waits in the chooser, unless it is that same reciter grown by more suras.
void TfmMain::reciterInstalled(const QString& name)
{
    if (!isReciterInstalled(AppSet.Reciter) || name.toStdString() == AppSet.Reciter)
        cbReciterChange(name);
    else
        ui.panReciter->refresh();
}

void TfmMain::processPendingEvents()
{
    QCoreApplication::processEvents();
}

void TfmMain::setStatusText(const std::string& text)
{
    ui.lblAuStatus->setText(toQString(text));
}

void TfmMain::showMessage(const std::string& text)
{
    ui.StatusBar1->showMessage(toQString(text));
}

void TfmMain::setPlayPauseButton(int imageIndex, const std::string& hint)
{
    ui.btnPlayPause->setIcon(playerIcon(imageIndex));
    applyHint(ui.btnPlayPause, toQString(hint));
    showHintOfHoveredButton(ui.btnPlayPause);
}

void TfmMain::setPlayPauseEnabled(bool enabled)
{
    ui.btnPlayPause->setEnabled(enabled);
}

// An unknown length (0) shows an empty bar rather than Qt's busy animation.
void TfmMain::setProgressMaximum(int maximum)
{
    ui.progAudio->setRange(0, std::max(1, maximum));
}

void TfmMain::setProgress(int position)
{
    ui.progAudio->setValue(position);
}

void TfmMain::setPlayTimerEnabled(bool enabled)
{
    if (enabled)
        tmrPlay.start();
    else
        tmrPlay.stop();
}

void TfmMain::setSpeakerButton(int imageIndex, const std::string& hint)
{
    ui.btnSpeaker->setIcon(playerIcon(imageIndex));
    applyHint(ui.btnSpeaker, toQString(hint));
    showHintOfHoveredButton(ui.btnSpeaker);
}

// Qt shows a status tip when the mouse enters a widget; a hint that changes under a resting
// mouse (Mute becoming Unmute on a click) would otherwise stay stale until it leaves.
void TfmMain::showHintOfHoveredButton(QWidget* button)
{
    if (button->underMouse())
        ui.StatusBar1->showMessage(button->statusTip());
}

void TfmMain::setVolumeSlider(int position)
{
    ui.trbVolume->setValue(ui.trbVolume->maximum() - position);
}

void TfmMain::setContinueChecked(bool checked)
{
    ui.chkAudioContinue->setChecked(checked);
}

} // namespace tilvane
