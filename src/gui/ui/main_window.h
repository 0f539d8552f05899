#pragma once

#include "core/audio/player.h"
#include "core/audio/player_host.h"
#include "core/quran/quran_loader.h"
#include "core/render/page_host.h"
#include "core/reader/navigation.h"
#include "gui/app/error_handler.h"
#include "gui/audio/gst_media_device.h"
#include "gui/ui/main_window_ui.h"
#include "gui/ui/reader_timings.h"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>

#include <string>

class QTreeWidget;
class QTreeWidgetItem;
class QWebEngineView;

namespace tilvane {

class ReciterInstallDialog;
class TDlgSrchSura;
class TPagePrinter;
class TLibrary;
class TPositionAutosave;
class TTopicsTab;
class TWBContainer;

// The reader's only working window. FormShow does the start-up loading on the first show;
// every move goes through the navigator's FocusCurrentAya; FormClose saves the shown position.
class TfmMain : public QMainWindow,
                private INavigationView,
                private IQuranLoadHost,
                private IPageHost,
                private IPrefaceHost,
                private IPlayerHost {
    Q_OBJECT
public:
    explicit TfmMain(QWidget* parent = nullptr);
    ~TfmMain() override;

    // Runs the start-up loading of the first show now, while the window is still hidden; the
    // first show then finds it done. Errors met until then are reported once the window shows.
    void loadBeforeShow();

    TfmMainUi ui;
    TNavigator& navigator() { return m_navigator; }
    TWBContainer* QuranHost = nullptr;
    TWBContainer* BukaTutupHost = nullptr;
    // The player is playing or paused.
    bool FAudioActive() const { return m_player.isActive(); }
    RecitationPlayer& player() { return m_player; }
    const GstMediaDevice& mediaDevice() const { return mpAudio; }
    const TReaderTimings& timings() const { return m_timings; }
    int AboutReturnPage = 0;

    // The first node, depth first over all levels, whose text equals text without regard to
    // ASCII case; with makeVisible it is scrolled into view.
    static QTreeWidgetItem* FindTreeNode(QTreeWidget* tree, const QString& text, bool makeVisible);
    void SelectContentsNode(const QString& text);

    // The Select Sura dialog once it has been used; created on first use and kept.
    TDlgSrchSura* suraDialog() const { return m_suraDialog; }
    // Print and Save as PDF of the page in front.
    TPagePrinter* pagePrinter() const { return m_pagePrinter; }
    TLibrary& library() const { return *m_library; }
    TTopicsTab* topicsTab() const { return m_topicsTab; }
    // The install dialog once it has been opened; it stays, so an install runs on while the
    // user reads.
    ReciterInstallDialog* installDialog() const { return m_installDialog; }

signals:
    // A focus script finished (completed or failed); tests and timings wait on it.
    void focusScriptFinished(bool completed);
    // The bookmark marks were drawn into the sura page (or the script failed).
    void bookmarkMarksDrawn(bool completed);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void connectHandlers();

    void wbQuranProgressChange(int progress);
    void wbQuranDocumentComplete();
    void cbSuraChange(int index);
    void cbAyaChange(int index);
    void tvContentsChange(QTreeWidgetItem* current);
    void tvIndexActivate(QTreeWidgetItem* item);
    void btnSettingClick();
    void actGotoSelectedSuraExecute();
    void actSearchSuraExecute();
    void actReloadSuraExecute();
    void actSettingExecute();
    void actHelpExecute();
    void actAboutExecute();
    void actFindExecute();
    void searchAyaChosen(int sura, int aya);
    void btnOKAboutClick();
    void showHintOfHoveredButton(QWidget* button);
    void freeBrowserHosts();
    void reportProblemsBeforeShow();
    TWBContainer* newBrowserHost(QWebEngineView* view, const char* engineRules);
    void createLibrary();
    void actToggleBookmarkExecute();
    void showBookmark(int sura, int aya);
    // Marks the bookmarked ayat in the loaded sura page; the page file stays as built.
    void drawBookmarkMarks();
    // Ticks "Bookmark this aya" when the shown aya is marked, from the marks last drawn.
    void updateBookmarkAction();

    // INavigationView
    bool isSuraPageInFront() const override;
    void bringSuraPageToFront() override;
    void buildSuraPage(int sura) override;
    void fillAyaBox(int ayaCount) override;
    void selectSuraBoxIndex(int index) override;
    void selectAyaBoxIndex(int index) override;
    void setSuraNameTrans(const std::string& text) override;
    void setQuranStatus(const std::string& text) override;
    void setAudioAya(const TQuranPos& position) override;
    void runFocusScript(int sura, int aya) override;

    // IQuranLoadHost
    void createBrowserHosts() override;
    void loadIndexTree(const std::vector<TIndexNode>& nodes) override;
    void fillContents(const std::vector<TContentsSura>& suras) override;
    void writeStylesheets() override;
    void showInitialPosition(int sura, int aya) override;

    // IPageHost
    void clearDocLoaded() override;
    void navigateQuranPage(const std::string& path) override;
    void clearBismillahDone() override;

    // IPlayerHost
    TQuranPos currentPos() const override;
    void gotoNextAya() override;
    void gotoPrevAya() override;
    void gotoAya(const TQuranPos& pos) override;
    void processPendingEvents() override;
    void setStatusText(const std::string& text) override;
    void showMessage(const std::string& text) override;
    void setPlayPauseButton(int imageIndex, const std::string& hint) override;
    void setPlayPauseEnabled(bool enabled) override;
    void setProgressMaximum(int maximum) override;
    void setProgress(int position) override;
    void setPlayTimerEnabled(bool enabled) override;
    void setSpeakerButton(int imageIndex, const std::string& hint) override;
    void setVolumeSlider(int position) override;
    void setContinueChecked(bool checked) override;
    void connectPlayer();
    void cbReciterChange(const QString& name);
    void showReciter();
    void btnInstallReciterClick();
    void reciterInstalled(const QString& name);

    // IPrefaceHost
    void showSuraBehindPreface(int sura) override;
    void showPrefacePage(const std::string& path) override;

    TNavigator m_navigator{*this};
    GstMediaDevice mpAudio;
    RecitationPlayer m_player{mpAudio, *this};
    QTimer tmrPlay;
    TReaderTimings m_timings;
    TDlgSrchSura* m_suraDialog = nullptr;
    TPagePrinter* m_pagePrinter = nullptr;
    TLibrary* m_library = nullptr;
    TTopicsTab* m_topicsTab = nullptr;
    TPositionAutosave* m_positionAutosave = nullptr;
    int m_markedSura = 0;
    std::vector<int> m_markedAyas; // the bookmarked ayat of m_markedSura, as last drawn
    ReciterInstallDialog* m_installDialog = nullptr;
    QTreeWidgetItem* m_contentsNodeAtPress = nullptr;
    bool FFirstShowDone = false;
    bool m_shownOnce = false;
    bool m_reportingDeferred = false;
    ErrorReporter m_reporterBeforeShow;
    QStringList m_problemsBeforeShow;
};

} // namespace tilvane
