#pragma once

#include <QIcon>
#include <QString>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMainWindow;
class QMenu;
class QProgressBar;
class QPushButton;
class QCheckBox;
class QSlider;
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

class RecitationOptionsPanel;
class ReciterPanel;
class SearchTab;

// The widgets, actions and menus of the main window, built in one place (in the manner of a
// designer form) so that the window class holds behaviour only.
struct TfmMainUi {
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
    // The player's keys: F9 and the media keys (not in the menus).
    QAction* actPlayPause = nullptr;
    QAction* actPlayStop = nullptr;
    QAction* actPlayNextAya = nullptr;
    QAction* actPlayPrevAya = nullptr;
    QMenu* pmBrow = nullptr;
    QMenu* pmSetting = nullptr;

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
    QWidget* tabAudio = nullptr;

    // " Audio Player " tab.
    QWidget* panAudioPlay = nullptr;
    QToolButton* btnPlayPause = nullptr;
    QToolButton* btnPlayPrevAya = nullptr;
    QToolButton* btnStop = nullptr;
    QToolButton* btnPlayNextAya = nullptr;
    QSlider* trbVolume = nullptr;
    QToolButton* btnSpeaker = nullptr;
    QLabel* lblReciter = nullptr;
    QLabel* lblAuPlayAya = nullptr;
    QLabel* lblAuStatus = nullptr;
    QProgressBar* progAudio = nullptr;
    QCheckBox* chkAudioContinue = nullptr;
    ReciterPanel* panReciter = nullptr;
    RecitationOptionsPanel* panRecitationOptions = nullptr;

    // " Search " tab.
    SearchTab* tabSearch = nullptr;

    // " Index " tab.
    QTreeWidget* tvIndex = nullptr;

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
    QWidget* createAudioTab(QWidget* parent);
    QWidget* createIndexTab(QWidget* parent);
    QWidget* createAboutTab(QWidget* parent);
    QWidget* createStatusStrip(QWidget* parent);
};

// Applies a hint of the form "short|long": the short part becomes the tooltip and the long
// part the status-bar text; a hint without "|" is both.
void applyHint(QAction* action, const QString& hint);
void applyHint(QWidget* widget, const QString& hint);

// The player's button glyphs by the image numbers the player uses: 0 play, 1 pause,
// 16 muted speaker, 17 speaker on.
QIcon playerIcon(int imageIndex);

} // namespace tilvane
