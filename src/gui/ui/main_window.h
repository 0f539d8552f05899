#pragma once

#include "core/reader/navigation.h"
#include "gui/app/error_handler.h"
#include "gui/ui/main_window_ui.h"
#include "gui/ui/reader_timings.h"

#include <QMainWindow>
#include <QStringList>

#include <optional>
#include <string>

class QTreeWidget;
class QTreeWidgetItem;

namespace tilvane {

class AudioPlayerTab;
class AyaContextMenu;
class AyaPlaceLabel;
class BookmarkStars;
class GstMediaDevice;
class PageLook;
class ReciterInstallDialog;
class TDlgSrchSura;
class PagePrinter;
class Library;
class PositionAutosave;
class ReaderView;
class TopicsTab;
class TWBContainer;

// The reader's only working window. FormShow does the start-up loading on the first show;
// every move goes through the navigator's goTo; FormClose saves the shown position.
class TfmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfmMain(QWidget* parent = nullptr);
    ~TfmMain() override;

    // Runs the start-up loading of the first show now, while the window is still hidden; the
    // first show then finds it done. Errors met until then are reported once the window shows.
    void loadBeforeShow();

    // The window's widgets, for the tests, the screenshots and the benchmark.
    const MainWindowUi& ui() const { return m_ui; }
    Navigator& navigator();
    // The hosts of the sura page's view and of the preface page's view; none before the
    // start-up loading and after the close.
    TWBContainer* QuranHost() const;
    TWBContainer* BukaTutupHost() const;
    AudioPlayerTab& audioTab() const;
    // The player is playing or paused.
    bool FAudioActive() const;
    const GstMediaDevice& mediaDevice() const;
    const ReaderTimings& timings() const { return m_timings; }

    // The first node, depth first over all levels, whose text equals text without regard to
    // ASCII case; with makeVisible it is scrolled into view.
    static QTreeWidgetItem* FindTreeNode(QTreeWidget* tree, const QString& text, bool makeVisible);
    void SelectContentsNode(const QString& text);

    // The Select Sura dialog once it has been used; created on first use and kept.
    TDlgSrchSura* suraDialog() const { return m_suraDialog; }
    // Print and Save as PDF of the page in front.
    PagePrinter* pagePrinter() const { return m_pagePrinter; }
    Library& library() const { return *m_library; }
    TopicsTab* topicsTab() const { return m_topicsTab; }
    // The reciter install dialog once it has been opened.
    ReciterInstallDialog* installDialog() const;

    // The aya the first page shows instead of the last-read one (the command line's --goto).
    void setStartPosition(TQuranPos pos) { m_startPosition = pos; }
    // Shows an aya asked for from outside the window, as a search hit is shown.
    void showAya(TQuranPos pos) { searchAyaChosen(pos.Sura, pos.Aya); }
    // What closing saves (the note being typed, the position, the settings, the window's
    // place), for an end that closes no window: a signal, the desktop session ending.
    void saveSession();
    AyaContextMenu* ayaMenu() const { return m_ayaMenu; }
    PageLook* pageLook() const { return m_look; }
    AyaPlaceLabel* placeLabel() const;

signals:
    // A focus script finished (completed or failed); tests and timings wait on it.
    void focusScriptFinished(bool completed);
    // The bookmark marks were drawn into the sura page (or the script failed).
    void bookmarkMarksDrawn(bool completed);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void connectHandlers();
    void createLibrary();
    void reportProblemsBeforeShow();

    void tvIndexActivate(QTreeWidgetItem* item);
    void btnSettingClick();
    void actGotoSelectedSuraExecute();
    void actSearchSuraExecute();
    void actReloadSuraExecute();
    void actSettingExecute();
    void actHelpExecute();
    void actAboutExecute();
    void helpClosed();
    void actFindExecute();
    void searchAyaChosen(int sura, int aya);
    void btnOKAboutClick();
    void connectAyaMenu();
    void addNoteFor(TQuranPos pos);

    // The start-up loading runs once: on the first show, or before it while the window is
    // hidden (problems are then collected and told once it shows).
    enum class StartUp { NotLoaded, LoadedWhileHidden, Shown };

    MainWindowUi m_ui;
    ReaderTimings m_timings;
    ReaderView* m_reader = nullptr;
    BookmarkStars* m_bookmarkStars = nullptr;
    TDlgSrchSura* m_suraDialog = nullptr;
    PagePrinter* m_pagePrinter = nullptr;
    Library* m_library = nullptr;
    TopicsTab* m_topicsTab = nullptr;
    PositionAutosave* m_positionAutosave = nullptr;
    int AboutReturnPage = 0;
    int m_helpReturnPage = 0;
    StartUp m_startUp = StartUp::NotLoaded;
    ErrorReporter m_reporterBeforeShow;
    QStringList m_problemsBeforeShow;
    std::optional<TQuranPos> m_startPosition;
    AyaContextMenu* m_ayaMenu = nullptr;
    PageLook* m_look = nullptr;
};

} // namespace tilvane
