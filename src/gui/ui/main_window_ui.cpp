#include "gui/ui/main_window_ui.h"

#include "gui/render/local_web_page.h"
#include "gui/search/search_tab.h"
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

QAction* makeAction(QMainWindow* window, const char* name, const QString& caption, const QString& hint,
                    const QKeySequence& shortcut = {}, QStyle::StandardPixmap icon = QStyle::SP_CustomBase)
{
    auto* action = new QAction(caption, window);
    action->setObjectName(name);
    applyHint(action, hint);
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
    pgcNav->addTab(createQuranTab(pgcNav), " Quran ");
    tabSearch = new SearchTab(pgcNav);
    pgcNav->addTab(tabSearch, " Search ");
    tabTopics = named(new QWidget(pgcNav), "tabTopicsHost");
    new QVBoxLayout(tabTopics);
    tabTopics->layout()->setContentsMargins(0, 0, 0, 0);
    pgcNav->addTab(tabTopics, " Topics ");
    pgcNav->addTab(createIndexTab(pgcNav), " Index ");
    pgcNav->addTab(createAboutTab(pgcNav), " About ");
    pgcNav->setTabVisible(pgcNav->indexOf(tabAbout), false);

    panToolBar = styledPanel(pgcNav, "panToolBar");
    panToolBar->setFixedSize(41, 26);
    btnSetting = named(new QToolButton(panToolBar), "btnSetting");
    btnSetting->setAutoRaise(true);
    btnSetting->setIcon(window->style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    applyHint(btnSetting, "Settings");
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
    actGotoSelectedSura = makeAction(window, "actGotoSelectedSura", "&Go", "Go to Selected Sura");
    actGotoSuraPrev = makeAction(window, "actGotoSuraPrev", "Prev Sura", "Go to previous sura",
                                 QKeySequence(Qt::CTRL | Qt::Key_PageUp), QStyle::SP_MediaSkipBackward);
    actGotoSuraNext = makeAction(window, "actGotoSuraNext", "Next Sura", "Go to next sura",
                                 QKeySequence(Qt::CTRL | Qt::Key_PageDown), QStyle::SP_MediaSkipForward);
    actGotoAyaPrev = makeAction(window, "actGotoAyaPrev", "Prev Aya", "Go to previous aya",
                                QKeySequence(Qt::CTRL | Qt::Key_Up), QStyle::SP_ArrowUp);
    actGotoAyaNext = makeAction(window, "actGotoAyaNext", "Next Aya", "Go to next aya",
                                QKeySequence(Qt::CTRL | Qt::Key_Down), QStyle::SP_ArrowDown);
    actSearchSura = makeAction(window, "actSearchSura", "Select Sura", "Select sura name from list",
                               QKeySequence(Qt::Key_F3), QStyle::SP_FileDialogContentsView);
    actReloadSura = makeAction(window, "actReloadSura", "Reload" + QString(30, ' '), "Reload sura",
                               QKeySequence(Qt::Key_F5), QStyle::SP_BrowserReload);
    actSetting = makeAction(window, "actSetting", "Settings", "Settings", QKeySequence(Qt::Key_F8),
                            QStyle::SP_FileDialogDetailedView);
    actHelp = makeAction(window, "actHelp", "Help", "Help", QKeySequence(Qt::Key_F1), QStyle::SP_DialogHelpButton);
    actAbout = makeAction(window, "actAbout", "About", "About", {}, QStyle::SP_MessageBoxInformation);
    actExit = makeAction(window, "actExit", "Exit" + QString(22, ' '), "Exit", {}, QStyle::SP_DialogCloseButton);
    actToggleBookmark = makeAction(window, "actToggleBookmark", "Bookmark this aya",
                                   "Bookmark this aya|Add or remove a bookmark on the shown aya",
                                   QKeySequence(Qt::CTRL | Qt::Key_D));
    actToggleBookmark->setCheckable(true); // ticked while the shown aya is bookmarked
    actFind = makeAction(window, "actFind", "Search", "Search the Quran and the translations",
                         QKeySequence::Find);

    pmBrow = named(new QMenu(window), "pmBrow");
    pmBrow->addActions({actSearchSura, actGotoSuraPrev, actGotoSuraNext, actReloadSura});
    pmBrow->addSeparator();
    pmBrow->addActions({actGotoAyaPrev, actGotoAyaNext});
    pmBrow->addSeparator();
    pmBrow->addAction(actToggleBookmark);
    pmBrow->addSeparator();
    pmBrow->addAction(actSetting);

    pmSetting = named(new QMenu(window), "pmSetting");
    pmSetting->addAction(actSetting);
    pmSetting->addSeparator();
    pmSetting->addActions({actHelp, actAbout});
    pmSetting->addSeparator();
    pmSetting->addAction(actExit);
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
    auto* suraLabel = new QLabel("&Sura:", panQuranNav1);
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
    auto* ayaLabel = new QLabel("&Aya:", panQuranNav1);
    cbAya = named(new QComboBox(panQuranNav1), "cbAya");
    cbAya->setFixedWidth(50);
    cbAya->setMaxVisibleItems(20);
    ayaLabel->setBuddy(cbAya);
    btnGo = named(new QPushButton(actGotoSelectedSura->text(), panQuranNav1), "btnGo");
    btnGo->setToolTip(actGotoSelectedSura->toolTip());
    btnGo->setStatusTip(actGotoSelectedSura->statusTip());
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
    panContents->setMinimumWidth(150);
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
    pgcContent->addTab(tvContents, " Contents ");
    layout->addWidget(pgcContent);
    return panContents;
}

QWidget* MainWindowUi::createIndexTab(QWidget* parent)
{
    auto* splitter = named(new QSplitter(Qt::Horizontal, parent), "tabIndex");
    tvIndex = named(new QTreeWidget(splitter), "tvIndex");
    tvIndex->setHeaderHidden(true);
    tvIndex->setEditTriggers(QAbstractItemView::NoEditTriggers);
    splitter->addWidget(tvIndex);
    splitter->addWidget(new QWidget(splitter));
    // Wide enough for a node and, beside it, where it leads.
    splitter->setSizes({360, 540});
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
    btnOKAbout = named(new QPushButton("&OK", bottom), "btnOKAbout");
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
