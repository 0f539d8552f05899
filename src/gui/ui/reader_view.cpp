#include "gui/ui/reader_view.h"

#include "core/base/ascii_case.h"
#include "core/quran/translation_files.h"
#include "core/quran/translations.h"
#include "core/render/preface_page.h"
#include "core/render/stylesheets.h"
#include "core/render/sura_page.h"
#include "gui/app/error_handler.h"
#include "gui/app/qt_text.h"
#include "gui/audio/audio_player_tab.h"
#include "gui/i18n/live_text.h"
#include "gui/render/host_style_sheet.h"
#include "gui/render/wb_container.h"
#include "gui/ui/aya_place_label.h"
#include "gui/ui/contents_tree_view.h"
#include "gui/ui/index_tree_view.h"
#include "gui/ui/main_window_ui.h"
#include "gui/ui/reader_timings.h"
#include "gui/ui/sura_labels.h"
#include "gui/ui/vertical_scroll_area.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTreeWidget>
#include <QWebEngineView>

#include <utility>

namespace tilvane {

namespace {

constexpr int kSuraPage = 0;
constexpr int kPrefacePage = 1;

} // namespace

ReaderView::ReaderView(MainWindowUi& ui, ReaderTimings& timings, QWidget* window)
    : QObject(window), m_ui(ui), m_timings(timings), m_window(window)
{
    m_audioTab = new AudioPlayerTab(m_navigator, m_ui.pgcContent);
    m_ui.tabAudio = new VerticalScrollArea(m_audioTab, "tabAudio");
    m_ui.pgcContent->addTab(m_ui.tabAudio, QString());
    keepTranslated(m_ui.tabAudio, [this] {
        m_ui.pgcContent->setTabText(m_ui.pgcContent->indexOf(m_ui.tabAudio), tr(" Audio Player "));
    });
    m_placeLabel = new AyaPlaceLabel(m_ui.StatusBar1);
    m_ui.StatusBar1->addPermanentWidget(m_placeLabel);
    m_audioTab->addKeysTo(window);
    connectControls();
}

ReaderView::~ReaderView() = default;

TWBContainer* ReaderView::quranHost() const
{
    return m_quranHost;
}

TWBContainer* ReaderView::prefaceHost() const
{
    return m_bukaTutupHost;
}

void ReaderView::connectControls()
{
    connect(m_ui.cbSura, &QComboBox::currentIndexChanged, this,
            guarded([this](int index) { m_navigator.suraBoxChanged(index); }));
    connect(m_ui.cbAya, &QComboBox::currentIndexChanged, this,
            guarded([this](int index) { m_navigator.ayaBoxChanged(index); }));
    connect(m_ui.tvContents, &QTreeWidget::currentItemChanged, this,
            guarded([this](QTreeWidgetItem* current) { tvContentsChange(current); }));
    // A click on the node that was already current raises no change, yet the reader may have
    // moved away from what it shows (back to the sura from its closing page): show it again.
    m_ui.tvContents->viewport()->installEventFilter(this);
    connect(m_ui.tvContents, &QTreeWidget::itemClicked, this, guarded([this](QTreeWidgetItem* item) {
        if (item == std::exchange(m_contentsNodeAtPress, nullptr))
            tvContentsChange(item);
    }));
}

void ReaderView::focusAgain()
{
    if (m_navigator.FDocLoaded && m_navigator.FCurPos.Sura != 0)
        runFocusScript(m_navigator.FCurPos.Sura, m_navigator.FCurPos.Aya);
}

bool ReaderView::isSuraPageInFront() const
{
    return m_ui.nbQuran->currentIndex() == kSuraPage;
}

void ReaderView::bringSuraPageToFront()
{
    m_ui.nbQuran->setCurrentIndex(kSuraPage);
}

void ReaderView::buildSuraPage(int sura)
{
    // A page built behind a preface or closing page is not focused until the reader returns
    // to it, so it is not a sura change the reader waits for; nor is one built before the
    // window is shown.
    if (m_navigator.FCurPos.Sura != 0 && m_startUpLoading && m_navigator.FShowSuraPage && m_window->isVisible())
        m_timings.start(ReaderTimings::Event::SuraChange);
    BuildSuraPage(sura, *this);
    m_audioTab->clearBismillahDone();
    for (const std::string& problem : takeTranslationProblems())
        reportError(toQString(problem));
}

// Qt raises currentIndexChanged on clear() and on the first addItem(); the refill must not
// move the requested aya.
void ReaderView::fillAyaBox(int ayaCount)
{
    const QSignalBlocker blocker(m_ui.cbAya);
    m_ui.cbAya->clear();
    for (int aya = 1; aya <= ayaCount; ++aya)
        m_ui.cbAya->addItem(QString::number(aya));
}

void ReaderView::selectSuraBoxIndex(int index)
{
    m_ui.cbSura->setCurrentIndex(index);
}

void ReaderView::selectAyaBoxIndex(int index)
{
    m_ui.cbAya->setCurrentIndex(index);
}

void ReaderView::setSuraNameTrans(const std::string& text)
{
    m_ui.lblSuraNameTrans->setText(toQString(text));
}

void ReaderView::setQuranStatus(const std::string& text)
{
    m_ui.lblQuranStatus->setText(toQString(text));
}

// Every move passes here (FocusCurrentAya hands each shown position to the audio part).
void ReaderView::setAudioAya(const TQuranPos& position)
{
    m_audioTab->showAya(position);
    m_placeLabel->showPlace(position);
    emit ayaShown(position);
}

void ReaderView::runFocusScript(int sura, int aya)
{
    if (m_quranHost == nullptr)
        return;
    if (m_window->isVisible())
        m_timings.start(ReaderTimings::Event::AyaMove);
    const QString script = QStringLiteral("focusOnAya(%1, %2)").arg(sura).arg(aya);
    m_quranHost->runScriptChecked(script, [this](bool completed) {
        m_timings.finish();
        if (!completed)
            reportError(tr("Error running JavaScript"));
        emit focusScriptFinished(completed);
    });
}

void ReaderView::createBrowserHosts()
{
    freeBrowserHosts();
    m_quranHost = newBrowserHost(m_ui.wbQuran, kSuraPageEngineRules);
    m_quranHost->setPopupMenu(nullptr); // the aya menu answers the right-click
    connect(m_ui.wbQuran, &QWebEngineView::loadProgress, m_quranHost,
            guarded([this](int progress) { wbQuranProgressChange(progress); }));
    connect(m_quranHost->loadWatch(), &PageLoadWatch::documentComplete, m_quranHost,
            guarded([this] { wbQuranDocumentComplete(); }));
}

TWBContainer* ReaderView::newBrowserHost(QWebEngineView* view, const char* engineRules)
{
    auto* host = new TWBContainer(view);
    host->UseControlPopupMenu = true;
    host->Border3DVisible = false;
    host->ScrollBarsVisible = true;
    host->TextSelectable = true;
    host->HostStyleSheet = engineRules;
    host->setPopupMenu(m_ui.pmBrow);
    emit browserHostCreated(host);
    return host;
}

void ReaderView::loadIndexTree(const std::vector<IndexNode>& nodes)
{
    fillIndexTree(m_ui.tvIndex, nodes);
    m_placeLabel->setIndex(nodes);
}

void ReaderView::fillContents(const std::vector<TContentsSura>& suras)
{
    const QSignalBlocker suraBlocker(m_ui.cbSura);
    const QSignalBlocker treeBlocker(m_ui.tvContents);
    QStringList suraTexts;
    suraTexts.reserve(static_cast<qsizetype>(suras.size()));
    for (const TContentsSura& sura : suras)
        suraTexts.append(toQString(sura.item.text));
    m_ui.cbSura->clear();
    m_ui.cbSura->addItems(suraTexts);
    fillContentsTree(m_ui.tvContents, suras);
    if (!m_suraLabelsKept) {
        m_suraLabelsKept = true;
        keepTranslated(m_ui.cbSura, [this] { labelSuraEntries(m_ui.cbSura, m_ui.tvContents, m_suraLatinLabels); });
    }
    m_suraLatinLabels = suraTexts;
}

void ReaderView::writeStylesheets()
{
    WriteAllStylesheets();
}

// The Arabic names are read after the contents, with the other texts: the boxes take them here.
void ReaderView::showInitialPosition(int sura, int aya)
{
    labelSuraEntries(m_ui.cbSura, m_ui.tvContents, m_suraLatinLabels);
    {
        const QSignalBlocker suraBlocker(m_ui.cbSura);
        const QSignalBlocker ayaBlocker(m_ui.cbAya);
        m_ui.cbSura->setCurrentIndex(0);
        m_ui.cbAya->setCurrentIndex(0);
    }
    m_navigator.FShowSuraPage = true;
    m_navigator.showInitialPosition(sura, aya);
}

void ReaderView::clearDocLoaded()
{
    m_navigator.FDocLoaded = false;
}

void ReaderView::navigateQuranPage(const std::string& path)
{
    if (m_quranHost != nullptr)
        m_quranHost->Navigate(path);
}

void ReaderView::clearBismillahDone()
{
    m_audioTab->clearBismillahDone();
}

void ReaderView::showSuraBehindPreface(int sura)
{
    m_navigator.showSuraBehindPreface(sura);
}

void ReaderView::showPrefacePage(const std::string& path)
{
    if (m_bukaTutupHost == nullptr)
        m_bukaTutupHost = newBrowserHost(m_ui.createPrefaceView(), kPrefacePageEngineRules);
    m_ui.nbQuran->setCurrentIndex(kPrefacePage);
    m_bukaTutupHost->Navigate(path);
}

void ReaderView::wbQuranProgressChange(int progress)
{
    m_ui.ProgressBar1->setMaximum(100);
    m_ui.ProgressBar1->setValue(progress);
    m_ui.ProgressBar1->setVisible(progress != m_ui.ProgressBar1->maximum());
}

// Only the page last asked for counts (the host's load watch), or the focus would run in a
// page that is about to go.
void ReaderView::wbQuranDocumentComplete()
{
    m_navigator.wbQuranDocumentComplete();
    emit suraPageLoaded();
}

void ReaderView::tvContentsChange(QTreeWidgetItem* current)
{
    if (current == nullptr || current->parent() == nullptr)
        return;
    const TContentNode node = contentNodeOf(current);
    if (node.Kind == kContentSuraText)
        m_navigator.showSuraText(node.Sura);
    else if (node.Kind == kContentPreface || node.Kind == kContentClosing)
        ShowPrefacePage(node.Sura, node.Kind == kContentPreface, node.PageFile, *this);
}

QTreeWidgetItem* ReaderView::FindTreeNode(QTreeWidget* tree, const QString& text, bool makeVisible)
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

void ReaderView::SelectContentsNode(const QString& text)
{
    if (QTreeWidgetItem* node = FindTreeNode(m_ui.tvContents, text, true)) {
        m_ui.tvContents->setCurrentItem(node);
        node->setExpanded(true);
    }
}

void ReaderView::selectContentsNode(int sura)
{
    SelectContentsNode(m_ui.cbSura->itemText(sura - 1));
}

void ReaderView::bringReadingTabToFront()
{
    m_ui.pgcNav->setCurrentWidget(m_ui.tabQuran);
}

void ReaderView::restartActiveRecitation()
{
    m_audioTab->restartIfActive();
}

// The hosts belong to their views; the close releases them early, the sura page's first.
void ReaderView::freeBrowserHosts()
{
    delete m_quranHost;
    delete m_bukaTutupHost;
}

bool ReaderView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui.tvContents->viewport() && event->type() == QEvent::MouseButtonPress)
        m_contentsNodeAtPress = m_ui.tvContents->currentItem();
    return QObject::eventFilter(watched, event);
}

} // namespace tilvane
