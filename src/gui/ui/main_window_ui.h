#pragma once

#include "gui/app/hints.h"

#include <QCoreApplication>
#include <QString>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMainWindow;
class QMenu;
class QProgressBar;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QStatusBar;
class QTabWidget;
class QTextBrowser;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QWebEngineView;
class QWidget;

namespace tilvane {

class HelpPanel;
class SearchTab;

// The widgets, actions and menus of the main window, built in one place (in the manner of a
// designer form) so that the window class holds behaviour only.
struct MainWindowUi {
    Q_DECLARE_TR_FUNCTIONS(MainWindowUi)
public:
    void setupUi(QMainWindow* window);
    // The preface and closing page view, page 1 of nbQuran; made on the first call.
    QWebEngineView* createPrefaceView();

    // Actions (ActionList1).
    QAction* actGotoSelectedSura = nullptr;
    QAction* actGotoSuraPrev = nullptr;
    QAction* actGotoSuraNext = nullptr;
    QAction* actGotoAyaPrev = nullptr;
    QAction* actGotoAyaNext = nullptr;
    QAction* actSearchSura = nullptr;
    QAction* actReloadSura = nullptr;
    QAction* actSetting = nullptr;
    QAction* actHelp = nullptr;
    QAction* actAbout = nullptr;
    QAction* actExit = nullptr;
    QAction* actToggleBookmark = nullptr;
    QAction* actFind = nullptr; // Ctrl+F: the Search tab's box
    QMenu* pmBrow = nullptr;
    QMenu* pmSetting = nullptr; // the ≡ menu, a CommandMenu: every command of the window

    QTabWidget* pgcNav = nullptr;
    QWidget* tabQuran = nullptr;
    QWidget* tabAbout = nullptr;
    QWidget* tabTopics = nullptr; // holds the Topics tab the window makes
    QWidget* panToolBar = nullptr;
    QToolButton* btnSetting = nullptr;

    // " Quran " tab.
    QSplitter* nxspltr1 = nullptr;
    QWidget* panQuranNav1 = nullptr;
    QComboBox* cbSura = nullptr;
    QToolButton* btnSearch = nullptr;
    QComboBox* cbAya = nullptr;
    QPushButton* btnGo = nullptr;
    QToolBar* tlb1 = nullptr;
    QStackedWidget* nbQuran = nullptr;
    QWebEngineView* wbQuran = nullptr;
    QWebEngineView* wbBukaTutup = nullptr; // none until createPrefaceView()
    QWidget* panQuranFrameStatus = nullptr;
    QLabel* lblSuraNameTrans = nullptr;
    QLabel* lblQuranStatus = nullptr;
    QWidget* panContents = nullptr;
    QTabWidget* pgcContent = nullptr;
    QTreeWidget* tvContents = nullptr;
    QWidget* tabAudio = nullptr; // the " Audio Player " tab's page, which the reader view adds

    // " Search " tab.
    SearchTab* tabSearch = nullptr;

    // " Index " tab.
    QTreeWidget* tvIndex = nullptr;

    // " Help " tab, shown by F1 like About.
    HelpPanel* tabHelp = nullptr;

    // " About " tab.
    QTextBrowser* redt1 = nullptr;
    QLabel* lblAboutLink = nullptr;
    QPushButton* btnOKAbout = nullptr;

    // Status strip.
    QStatusBar* StatusBar1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;

private:
    void createActions(QMainWindow* window);
    QWidget* createQuranTab(QWidget* parent);
    QWidget* createReadingArea(QWidget* parent);
    QWidget* createContentsPanel(QWidget* parent);
    QWidget* createIndexTab(QWidget* parent);
    QWidget* createAboutTab(QWidget* parent);
    QWidget* createStatusStrip(QWidget* parent);
};

} // namespace tilvane
