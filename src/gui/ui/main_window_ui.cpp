#include "gui/ui/main_window_ui.h"

#include "gui/i18n/live_text.h"
#include "gui/render/local_web_page.h"
#include "gui/search/search_tab.h"
#include "gui/ui/command_menu.h"
#include "gui/ui/help_panel.h"
#include "gui/ui/sura_box_search.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace tilvane {

namespace {

// The green scheme: #6DA818 for the status strip and the tab control, gradients towards
// #BBD856 and #CCE281 for the panels.
constexpr char kGreenScheme[] = R"(
QTabWidget#pgcNav::pane { border-top: 3px solid #6DA818; }
QTabWidget#pgcNav > QTabBar::tab { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #CCE281, stop:1 #6DA818);
  color: white; padding: 3px 10px; min-height: 16px; border: 1px solid #6DA818; }
QTabWidget#pgcNav > QTabBar::tab:selected { font-weight: bold; background: #6DA818; }
QWidget#panStatus { background: #6DA818; }
QWidget#panStatus QStatusBar { color: white; }
QWidget#panQuranNav1, QWidget#panQuranFrameStatus, QWidget#panToolBar, QWidget#panAboutBottom {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 #BBD856); }
QWidget#panUnderConstruction { background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #FFFFFF, stop:1 #CCE281); }
QFrame#frmQuran { border: 1px solid silver; }
QProgressBar#ProgressBar1 { border: 1px solid #BBD856; background: white; }
QProgressBar#ProgressBar1::chunk { background: #CCE281; }
)";

QString translated(const char* source)
{
    return QCoreApplication::translate("MainWindowUi", source);
}

// caption and hint are marked with QT_TR_NOOP in MainWindowUi and follow the
// interface language.
QAction* makeAction(QMainWindow* window, const char* name, const char* caption, const char* hint,
                    const QKeySequence& shortcut = {}, QStyle::StandardPixmap icon = QStyle::SP_CustomBase)
{
    auto* action = new QAction(window);
    action->setObjectName(name);
    keepTranslated(action, [action, caption, hint] {
        action->setText(translated(caption));
        applyHint(action, translated(hint));
    });
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    if (icon != QStyle::SP_CustomBase)
        action->setIcon(window->style()->standardIcon(icon));
    window->addAction(action); // shortcuts work wherever the focus is in the window
    return action;
}

template <typename Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

QWidget* styledPanel(QWidget* parent, const char* name)
{
    auto* panel = named(new QWidget(parent), name);
    panel->setAttribute(Qt::WA_StyledBackground);
    return panel;
}

} // namespace

void MainWindowUi::setupUi(QMainWindow* window)
{
    window->setObjectName("fmMain");
    window->setStyleSheet(kGreenScheme);
    createActions(window);

    auto* central = new QWidget(window);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    pgcNav = named(new QTabWidget(central), "pgcNav");
    pgcNav->addTab(createQuranTab(pgcNav), QString());
    tabSearch = new SearchTab(pgcNav);
    pgcNav->addTab(tabSearch, QString());
    tabTopics = named(new QWidget(pgcNav), "tabTopicsHost");
    new QVBoxLayout(tabTopics);
    tabTopics->layout()->setContentsMargins(0, 0, 0, 0);
    pgcNav->addTab(tabTopics, QString());
    QWidget* tabIndex = createIndexTab(pgcNav);
    pgcNav->addTab(tabIndex, QString());
    pgcNav->addTab(createAboutTab(pgcNav), QString());
    pgcNav->setTabVisible(pgcNav->indexOf(tabAbout), false);
    tabHelp = new HelpPanel(pgcNav);
    pgcNav->addTab(tabHelp, QString());
    pgcNav->setTabVisible(pgcNav->indexOf(tabHelp), false);
    keepTranslated(pgcNav, [this, tabIndex] {
        pgcNav->setTabText(pgcNav->indexOf(tabQuran), tr(" Quran "));
        pgcNav->setTabText(pgcNav->indexOf(tabSearch), tr(" Search "));
        pgcNav->setTabText(pgcNav->indexOf(tabTopics), tr(" Topics "));
        pgcNav->setTabText(pgcNav->indexOf(tabIndex), tr(" Index "));
        pgcNav->setTabText(pgcNav->indexOf(tabAbout), tr(" About "));
        pgcNav->setTabText(pgcNav->indexOf(tabHelp), tr(" Help "));
    });

    panToolBar = styledPanel(pgcNav, "panToolBar");
    panToolBar->setFixedSize(41, 26);
    btnSetting = named(new QToolButton(panToolBar), "btnSetting");
    btnSetting->setAutoRaise(true);
    btnSetting->setIcon(window->style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    keepTranslated(btnSetting, [this] { applyHint(btnSetting, tr("Settings")); });
    auto* toolLayout = new QHBoxLayout(panToolBar);
    toolLayout->setContentsMargins(2, 1, 2, 1);
    toolLayout->addWidget(btnSetting);
    pgcNav->setCornerWidget(panToolBar, Qt::TopRightCorner);

    layout->addWidget(pgcNav, 1);
    auto* shp1 = named(new QFrame(central), "shp1");
    shp1->setFrameShape(QFrame::HLine);
    shp1->setFixedHeight(1);
    layout->addWidget(shp1);
    layout->addWidget(createStatusStrip(central));
    window->setCentralWidget(central);
}

// A web view keeps a renderer process alive, so the preface view is made when it is first
// needed rather than with the window.
QWebEngineView* MainWindowUi::createPrefaceView()
{
    if (wbBukaTutup == nullptr) {
        wbBukaTutup = named(new QWebEngineView(nbQuran), "wbBukaTutup");
        wbBukaTutup->setPage(new LocalWebPage(wbBukaTutup));
        nbQuran->addWidget(wbBukaTutup); // page 1, "pgBukaTutup"
    }
    return wbBukaTutup;
}

void MainWindowUi::createActions(QMainWindow* window)
{
    actGotoSelectedSura = makeAction(window, "actGotoSelectedSura", QT_TR_NOOP("&Go"),
                                     QT_TR_NOOP("Go to Selected Sura"));
    actGotoSuraPrev = makeAction(window, "actGotoSuraPrev", QT_TR_NOOP("Prev Sura"), QT_TR_NOOP("Go to previous sura"),
                                 QKeySequence(Qt::CTRL | Qt::Key_PageUp), QStyle::SP_MediaSkipBackward);
    actGotoSuraNext = makeAction(window, "actGotoSuraNext", QT_TR_NOOP("Next Sura"), QT_TR_NOOP("Go to next sura"),
                                 QKeySequence(Qt::CTRL | Qt::Key_PageDown), QStyle::SP_MediaSkipForward);
    actGotoAyaPrev = makeAction(window, "actGotoAyaPrev", QT_TR_NOOP("Prev Aya"), QT_TR_NOOP("Go to previous aya"),
                                QKeySequence(Qt::CTRL | Qt::Key_Up), QStyle::SP_ArrowUp);
    actGotoAyaNext = makeAction(window, "actGotoAyaNext", QT_TR_NOOP("Next Aya"), QT_TR_NOOP("Go to next aya"),
                                QKeySequence(Qt::CTRL | Qt::Key_Down), QStyle::SP_ArrowDown);
    actSearchSura = makeAction(window, "actSearchSura", QT_TR_NOOP("Select Sura"),
                               QT_TR_NOOP("Select sura name from list"),
                               QKeySequence(Qt::Key_F3), QStyle::SP_FileDialogContentsView);
    actReloadSura = makeAction(window, "actReloadSura", QT_TR_NOOP("Reload"), QT_TR_NOOP("Reload sura"),
                               QKeySequence(Qt::Key_F5), QStyle::SP_BrowserReload);
    // The trailing blanks widen the menus that show the caption.
    keepTranslated(actReloadSura, [this] { actReloadSura->setText(tr("Reload") + QString(30, ' ')); });
    actSetting = makeAction(window, "actSetting", QT_TR_NOOP("Settings"),
                            QT_TR_NOOP("Settings"), QKeySequence(Qt::Key_F8),
                            QStyle::SP_FileDialogDetailedView);
    actHelp = makeAction(window, "actHelp", QT_TR_NOOP("Help"),
                         QT_TR_NOOP("Help"), QKeySequence(Qt::Key_F1), QStyle::SP_DialogHelpButton);
    actAbout = makeAction(window, "actAbout", QT_TR_NOOP("About"),
                          QT_TR_NOOP("About"), {}, QStyle::SP_MessageBoxInformation);
    actExit = makeAction(window, "actExit", QT_TR_NOOP("Exit"), QT_TR_NOOP("Exit"), {}, QStyle::SP_DialogCloseButton);
    keepTranslated(actExit, [this] { actExit->setText(tr("Exit") + QString(22, ' ')); });
    actToggleBookmark = makeAction(window, "actToggleBookmark", QT_TR_NOOP("Bookmark this aya"),
                                   QT_TR_NOOP("Bookmark this aya|Add or remove a bookmark on the shown aya"),
                                   QKeySequence(Qt::CTRL | Qt::Key_D));
    actToggleBookmark->setCheckable(true); // ticked while the shown aya is bookmarked
    actFind = makeAction(window, "actFind", QT_TR_NOOP("Search"), QT_TR_NOOP("Search the Quran and the translations"),
                         QKeySequence::Find);

    pmBrow = named(new QMenu(window), "pmBrow");
    pmBrow->addActions({actSearchSura, actGotoSuraPrev, actGotoSuraNext, actReloadSura});
    pmBrow->addSeparator();
    pmBrow->addActions({actGotoAyaPrev, actGotoAyaNext});
    pmBrow->addSeparator();
    pmBrow->addAction(actToggleBookmark);
    pmBrow->addSeparator();
    pmBrow->addAction(actSetting);

    auto* commands = named(new CommandMenu(window), "pmSetting");
    commands->addGroup(CommandGroup::Quran, {actSearchSura, actFind, actReloadSura});
    commands->addGroup(CommandGroup::Go, {actGotoSelectedSura, actGotoSuraPrev, actGotoSuraNext, actGotoAyaPrev,
                                          actGotoAyaNext});
    // The Audio Player tab's keys join this group once the tab is made.
    commands->addGroup(CommandGroup::Recitation, {});
    commands->addGroup(CommandGroup::Bookmarks, {actToggleBookmark});
    commands->addGroup(CommandGroup::View, {actSetting});
    commands->addGroup(CommandGroup::Help, {actHelp, actAbout});
    commands->addSeparator();
    commands->addAction(actExit);
    pmSetting = commands;
}

QWidget* MainWindowUi::createQuranTab(QWidget* parent)
{
    tabQuran = named(new QWidget(parent), "tabQuran");
    auto* layout = new QHBoxLayout(tabQuran);
    layout->setContentsMargins(0, 0, 0, 0);
    nxspltr1 = named(new QSplitter(Qt::Horizontal, tabQuran), "nxspltr1");
    nxspltr1->addWidget(createReadingArea(nxspltr1));
    nxspltr1->addWidget(createContentsPanel(nxspltr1));
    nxspltr1->setStretchFactor(0, 1);
    nxspltr1->setStretchFactor(1, 0);
    nxspltr1->setSizes({915 - 195, 195});
    layout->addWidget(nxspltr1);
    return tabQuran;
}

QWidget* MainWindowUi::createReadingArea(QWidget* parent)
{
    auto* area = new QWidget(parent);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    panQuranNav1 = styledPanel(area, "panQuranNav1");
    panQuranNav1->setFixedHeight(31);
    auto* nav = new QHBoxLayout(panQuranNav1);
    nav->setContentsMargins(4, 2, 4, 2);
    auto* suraLabel = new QLabel(panQuranNav1);
    keepTranslatedText(suraLabel, [] { return tr("&Sura:"); });
    cbSura = named(new QComboBox(panQuranNav1), "cbSura");
    // Wide enough for the longest sura name in the font in use, and never squeezed: the
    // window's minimum width follows from it.
    cbSura->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cbSura->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    cbSura->setMaxVisibleItems(20);
    new SuraBoxSearch(cbSura);
    suraLabel->setBuddy(cbSura);
    btnSearch = named(new QToolButton(panQuranNav1), "btnSearch");
    btnSearch->setAutoRaise(true);
    btnSearch->setDefaultAction(actSearchSura);
    auto* ayaLabel = new QLabel(panQuranNav1);
    keepTranslatedText(ayaLabel, [] { return tr("&Aya:"); });
    cbAya = named(new QComboBox(panQuranNav1), "cbAya");
    cbAya->setFixedWidth(50);
    cbAya->setMaxVisibleItems(20);
    ayaLabel->setBuddy(cbAya);
    btnGo = named(new QPushButton(panQuranNav1), "btnGo");
    // After the action's own texts, which this copies.
    keepTranslated(btnGo, [this] {
        btnGo->setText(actGotoSelectedSura->text());
        btnGo->setToolTip(actGotoSelectedSura->toolTip());
        btnGo->setStatusTip(actGotoSelectedSura->statusTip());
    });
    QObject::connect(btnGo, &QPushButton::clicked, actGotoSelectedSura, &QAction::trigger);
    tlb1 = named(new QToolBar(panQuranNav1), "tlb1");
    tlb1->setIconSize(QSize(16, 16));
    tlb1->addActions({actGotoSuraPrev, actGotoAyaPrev, actGotoAyaNext, actGotoSuraNext});
    for (QWidget* widget : {static_cast<QWidget*>(suraLabel), static_cast<QWidget*>(cbSura),
                            static_cast<QWidget*>(btnSearch), static_cast<QWidget*>(ayaLabel),
                            static_cast<QWidget*>(cbAya), static_cast<QWidget*>(btnGo)})
        nav->addWidget(widget);
    nav->addStretch(1);
    nav->addWidget(tlb1);
    layout->addWidget(panQuranNav1);

    auto* frame = named(new QFrame(area), "frmQuran");
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    frameLayout->setSpacing(0);
    nbQuran = named(new QStackedWidget(frame), "nbQuran");
    wbQuran = named(new QWebEngineView(nbQuran), "wbQuran");
    wbQuran->setPage(new LocalWebPage(wbQuran));
    nbQuran->addWidget(wbQuran); // page 0, "pgAya"; page 1 comes with createPrefaceView()
    frameLayout->addWidget(nbQuran, 1);

    panQuranFrameStatus = styledPanel(frame, "panQuranFrameStatus");
    panQuranFrameStatus->setFixedHeight(23);
    auto* status = new QHBoxLayout(panQuranFrameStatus);
    status->setContentsMargins(5, 0, 5, 0);
    lblSuraNameTrans = named(new QLabel(panQuranFrameStatus), "lblSuraNameTrans");
    lblQuranStatus = named(new QLabel(panQuranFrameStatus), "lblQuranStatus");
    lblQuranStatus->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    status->addWidget(lblSuraNameTrans, 1);
    status->addWidget(lblQuranStatus);
    frameLayout->addWidget(panQuranFrameStatus);
    layout->addWidget(frame, 1);
    return area;
}

QWidget* MainWindowUi::createContentsPanel(QWidget* parent)
{
    panContents = named(new QWidget(parent), "panContents");
    // No fixed least width: the splitter then keeps the panel as wide as its widest tab
    // needs, so the Audio Player's texts are never cut at the right.
    auto* layout = new QVBoxLayout(panContents);
    layout->setContentsMargins(0, 0, 0, 0);
    pgcContent = named(new QTabWidget(panContents), "pgcContent");
    tvContents = named(new QTreeWidget(pgcContent), "tvContents");
    tvContents->setHeaderHidden(true);
    tvContents->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvContents->setSelectionBehavior(QAbstractItemView::SelectRows);
    tvContents->setAllColumnsShowFocus(true);
    tvContents->setMouseTracking(true); // hot tracking
    // The selection stays visible while the tree has no focus.
    tvContents->setStyleSheet("QTreeWidget::item:selected:!active { background: #CCE281; color: black; }");
    pgcContent->addTab(tvContents, QString());
    keepTranslated(tvContents, [this] { pgcContent->setTabText(pgcContent->indexOf(tvContents), tr(" Contents ")); });
    layout->addWidget(pgcContent);
    return panContents;
}

QWidget* MainWindowUi::createIndexTab(QWidget* parent)
{
    auto* splitter = named(new QSplitter(Qt::Horizontal, parent), "tabIndex");
    tvIndex = named(new QTreeWidget(splitter), "tvIndex");
    tvIndex->setHeaderHidden(true);
    tvIndex->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The tree fills the tab: a node and, beside it, where it leads.
    splitter->addWidget(tvIndex);
    return splitter;
}

QWidget* MainWindowUi::createAboutTab(QWidget* parent)
{
    tabAbout = named(new QWidget(parent), "tabAbout");
    auto* layout = new QVBoxLayout(tabAbout);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* panel = styledPanel(tabAbout, "panUnderConstruction");
    auto* panelLayout = new QVBoxLayout(panel);
    redt1 = named(new QTextBrowser(panel), "redt1");
    redt1->setReadOnly(true);
    redt1->setFrameShape(QFrame::NoFrame);
    redt1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    redt1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    panelLayout->addWidget(redt1);
    layout->addWidget(panel, 1);

    auto* bottom = styledPanel(tabAbout, "panAboutBottom");
    auto* bottomLayout = new QHBoxLayout(bottom);
    lblAboutLink = named(new QLabel(bottom), "lblAboutLink");
    lblAboutLink->setTextFormat(Qt::RichText);
    lblAboutLink->setOpenExternalLinks(true);
    btnOKAbout = named(new QPushButton(bottom), "btnOKAbout");
    keepTranslatedText(btnOKAbout, [] { return tr("&OK"); });
    // Outside a dialog a push button answers Enter only when it is an auto-default button.
    btnOKAbout->setAutoDefault(true);
    bottomLayout->addWidget(lblAboutLink, 1);
    bottomLayout->addWidget(btnOKAbout);
    layout->addWidget(bottom);
    return tabAbout;
}

QWidget* MainWindowUi::createStatusStrip(QWidget* parent)
{
    auto* panStatus = styledPanel(parent, "panStatus");
    panStatus->setFixedHeight(21);
    auto* layout = new QHBoxLayout(panStatus);
    layout->setContentsMargins(0, 0, 0, 0);
    StatusBar1 = named(new QStatusBar(panStatus), "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    auto* panel5 = named(new QWidget(panStatus), "Panel5");
    panel5->setFixedWidth(185);
    auto* panel5Layout = new QHBoxLayout(panel5);
    panel5Layout->setContentsMargins(5, 0, 6, 0);
    ProgressBar1 = named(new QProgressBar(panel5), "ProgressBar1");
    ProgressBar1->setFixedSize(174, 9);
    ProgressBar1->setTextVisible(false);
    panel5Layout->addWidget(ProgressBar1);
    layout->addWidget(StatusBar1, 1);
    layout->addWidget(panel5);
    return panStatus;
}

} // namespace tilvane
