#pragma once

#include "core/quran/quran_loader.h"
#include "core/render/page_host.h"
#include "core/reader/navigation.h"
#include "gui/app/error_handler.h"
#include "gui/ui/main_window_ui.h"
#include "gui/ui/reader_timings.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <string>

class QTreeWidget;
class QTreeWidgetItem;
class QWebEngineView;

namespace tilvane {

class AudioPlayerTab;
class BookmarkStars;
class QtMediaDevice;
class ReciterInstallDialog;
class TDlgSrchSura;
class TPagePrinter;
class TLibrary;
class TPositionAutosave;
class TTopicsTab;
class TWBContainer;

// The reader's only working window. FormShow does the start-up loading on the first show;
// every move goes through the navigator's goTo; FormClose saves the shown position.
class TfmMain : public QMainWindow,
                private INavigationView,
                private IQuranLoadHost,
                private IPageHost,
                private IPrefaceHost {
    Q_OBJECT
public:
    explicit TfmMain(QWidget* parent = nullptr);
    ~TfmMain() override;

    // Runs the start-up loading of the first show now, while the window is still hidden; the
    // first show then finds it done. Errors met until then are reported once the window shows.
    void loadBeforeShow();

    TfmMainUi ui;
    TNavigator& navigator() { return m_navigator; }
    // The hosts of the sura page's view and of the preface page's view; none before the
    // start-up loading and after the close.
    TWBContainer* QuranHost() const;
    TWBContainer* BukaTutupHost() const;
    AudioPlayerTab& audioTab() const { return *m_audioTab; }
    // The player is playing or paused.
    bool FAudioActive() const;
    const QtMediaDevice& mediaDevice() const;
    const TReaderTimings& timings() const { return m_timings; }

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
    // The reciter install dialog once it has been opened.
    ReciterInstallDialog* installDialog() const;

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
    void freeBrowserHosts();
    void reportProblemsBeforeShow();
    TWBContainer* newBrowserHost(QWebEngineView* view, const char* engineRules);
    void createLibrary();

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
    void selectContentsNode(int sura) override;
    void bringReadingTabToFront() override;
    void restartActiveRecitation() override;

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

    // IPrefaceHost
    void showSuraBehindPreface(int sura) override;
    void showPrefacePage(const std::string& path) override;

    // The start-up loading runs once: on the first show, or before it while the window is
    // hidden (problems are then collected and told once it shows).
    enum class StartUp { NotLoaded, LoadedWhileHidden, Shown };

    TNavigator m_navigator{*this};
    AudioPlayerTab* m_audioTab = nullptr;
    BookmarkStars* m_bookmarkStars = nullptr;
    QPointer<TWBContainer> m_quranHost;
    QPointer<TWBContainer> m_bukaTutupHost;
    TReaderTimings m_timings;
    TDlgSrchSura* m_suraDialog = nullptr;
    TPagePrinter* m_pagePrinter = nullptr;
    TLibrary* m_library = nullptr;
    TTopicsTab* m_topicsTab = nullptr;
    TPositionAutosave* m_positionAutosave = nullptr;
    QTreeWidgetItem* m_contentsNodeAtPress = nullptr;
    int AboutReturnPage = 0;
    StartUp m_startUp = StartUp::NotLoaded;
    ErrorReporter m_reporterBeforeShow;
    QStringList m_problemsBeforeShow;
};

} // namespace tilvane
