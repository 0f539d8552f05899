#pragma once

#include "core/quran/quran_loader.h"
#include "core/reader/navigation.h"
#include "core/render/page_host.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class QString;
class QTreeWidget;
class QTreeWidgetItem;
class QWebEngineView;
class QWidget;

namespace tilvane {

class AudioPlayerTab;
class AyaPlaceLabel;
struct MainWindowUi;
class ReaderTimings;
class TWBContainer;

// The reading side of the main window: the Sura and Aya boxes, the sura page and the preface
// page with their hosts, the contents tree and the Audio Player tab beside it. The navigator
// moves it; the start-up loading fills it.
class ReaderView : public QObject,
                   private INavigationView,
                   public IQuranLoadHost,
                   public IPageHost,
                   public IPrefaceHost {
    Q_OBJECT
public:
    ReaderView(MainWindowUi& ui, ReaderTimings& timings, QWidget* window);
    ~ReaderView() override;

    Navigator& navigator() { return m_navigator; }
    const Navigator& navigator() const { return m_navigator; }
    AudioPlayerTab& audioTab() const { return *m_audioTab; }
    // The status bar's juz, hizb and page of the shown aya.
    AyaPlaceLabel* placeLabel() const { return m_placeLabel; }
    // None before the start-up loading and after the close.
    TWBContainer* quranHost() const;
    TWBContainer* prefaceHost() const;

    // From the start-up loading on, a sura page built in front of the shown window is timed.
    void startUpLoadingBegins() { m_startUpLoading = true; }
    // A page loaded while the window was hidden is focused again at the size it is shown at.
    void focusAgain();
    // The hosts belong to their views; the close releases them early, the sura page's first.
    void freeBrowserHosts();

    static QTreeWidgetItem* FindTreeNode(QTreeWidget* tree, const QString& text, bool makeVisible);
    void SelectContentsNode(const QString& text);

signals:
    // Every aya shown, by whatever way it was reached.
    void ayaShown(TQuranPos position);
    // The sura page last asked for is loaded.
    void suraPageLoaded();
    // A focus script finished (completed or failed).
    void focusScriptFinished(bool completed);
    // A host for the sura page or the preface page, before its first page is shown.
    void browserHostCreated(TWBContainer* host);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    void tvContentsChange(QTreeWidgetItem* current);
    void wbQuranProgressChange(int progress);
    void wbQuranDocumentComplete();
    TWBContainer* newBrowserHost(QWebEngineView* view, const char* engineRules);

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
    void loadIndexTree(const std::vector<IndexNode>& nodes) override;
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

    MainWindowUi& m_ui;
    ReaderTimings& m_timings;
    QWidget* m_window;
    Navigator m_navigator{*this};
    AudioPlayerTab* m_audioTab = nullptr;
    AyaPlaceLabel* m_placeLabel = nullptr;
    QPointer<TWBContainer> m_quranHost;
    QPointer<TWBContainer> m_bukaTutupHost;
    QTreeWidgetItem* m_contentsNodeAtPress = nullptr;
    bool m_startUpLoading = false;
    // The sura entries as loaded; the boxes show them, or the Arabic names in Arabic.
    QStringList m_suraLatinLabels;
    bool m_suraLabelsKept = false;
};

} // namespace tilvane
