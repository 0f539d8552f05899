#include "gui/search/search_tab.h"

#include "core/app/settings.h"
#include "core/quran/juz_starts.h"
#include "core/quran/sura_table.h"
#include "core/search/search_sources.h"
#include "gui/app/error_handler.h"
#include "gui/search/search_results_view.h"
#include "gui/search/search_worker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSpinBox>

namespace tilvane {

namespace {

// Typing pauses this long before the text is searched; shorter pauses search words half typed.
constexpr int kDebounceMs = 250;
constexpr char kArabicFontFamily[] = "Scheherazade";

enum Scope { kWholeQuran, kShownSura, kOneJuz };

} // namespace

SearchTab::SearchTab(QWidget* parent) : QWidget(parent)
{
    setObjectName("tabSearch");
    m_worker = new SearchWorker(this);
    m_model = new SearchResultModel(this);
    m_delegate = new SearchResultDelegate(this);
    createControls();
    m_debounce.setSingleShot(true);
    m_debounce.setInterval(kDebounceMs);
    connect(&m_debounce, &QTimer::timeout, this, guarded([this] { startSearch(); }));
    connect(edtSearch, &QLineEdit::textEdited, this, [this] { m_debounce.start(); });
    connect(edtSearch, &QLineEdit::returnPressed, this, guarded([this] { chooseCurrent(); }));
    for (QComboBox* box : {cbScope, cbField})
        connect(box, &QComboBox::currentIndexChanged, this, guarded([this] { startSearch(); }));
    connect(seJuz, &QSpinBox::valueChanged, this, guarded([this] { startSearch(); }));
    connect(chkWholeWord, &QCheckBox::toggled, this, guarded([this] { startSearch(); }));
    connect(lvResults, &QListView::activated, this, guarded([this] { chooseCurrent(); }));
    connect(m_worker, &SearchWorker::prepared, this, guarded([this](bool ready, const QString& problems) {
                m_ready = ready;
                // An index that cannot be used is tried again at the next use of the tab.
                m_prepareAsked = ready;
                lblCount->clear();
                if (!problems.isEmpty())
                    reportError(problems);
                if (ready)
                    startSearch();
            }));
    connect(m_worker, &SearchWorker::searched, this, guarded([this](quint64 request, auto results) {
                showResults(request, std::move(results));
            }));
    connect(m_worker, &SearchWorker::failed, this,
            guarded([this](quint64 request, const QString& message) { showFailure(request, message); }));
}

SearchTab::~SearchTab() = default;

void SearchTab::createControls()
{
    auto* layout = new QGridLayout(this);
    edtSearch = new QLineEdit(this);
    edtSearch->setObjectName("edtSearch");
    edtSearch->setPlaceholderText("Arabic, transliteration or translation; \"quoted words\" as a phrase");
    edtSearch->setClearButtonEnabled(true);
    edtSearch->installEventFilter(this);
    cbScope = new QComboBox(this);
    cbScope->setObjectName("cbScope");
    cbScope->addItems({"Whole Quran", "Shown sura", "Juz"});
    seJuz = new QSpinBox(this);
    seJuz->setObjectName("seJuz");
    seJuz->setRange(1, kJuzCount);
    seJuz->setEnabled(false);
    connect(cbScope, &QComboBox::currentIndexChanged, seJuz, [this](int scope) { seJuz->setEnabled(scope == kOneJuz); });
    cbField = new QComboBox(this);
    cbField->setObjectName("cbField");
    cbField->addItem("All texts", kAllFields);
    cbField->addItem("Arabic", kFieldArabic);
    cbField->addItem("Transliteration", kFieldLatin);
    cbField->addItem("Translations", kFieldTranslation);
    chkWholeWord = new QCheckBox("Whole words", this);
    chkWholeWord->setObjectName("chkWholeWord");
    lblCount = new QLabel(this);
    lblCount->setObjectName("lblCount");
    lvResults = new QListView(this);
    lvResults->setObjectName("lvResults");
    lvResults->setModel(m_model);
    lvResults->setItemDelegate(m_delegate);
    lvResults->setUniformItemSizes(true);
    lvResults->setSelectionMode(QAbstractItemView::SingleSelection);
    lvResults->setEditTriggers(QAbstractItemView::NoEditTriggers);

    layout->addWidget(new QLabel("Search:", this), 0, 0);
    layout->addWidget(edtSearch, 0, 1, 1, 5);
    layout->addWidget(cbScope, 1, 1);
    layout->addWidget(seJuz, 1, 2);
    layout->addWidget(cbField, 1, 3);
    layout->addWidget(chkWholeWord, 1, 4);
    layout->addWidget(lblCount, 1, 5, Qt::AlignRight);
    layout->addWidget(lvResults, 2, 0, 1, 6);
    layout->setColumnStretch(5, 1);
    setFocusProxy(edtSearch);
}

void SearchTab::focusSearchBox()
{
    ensurePrepared();
    edtSearch->setFocus(Qt::ShortcutFocusReason);
    edtSearch->selectAll();
}

// The hits use the reader's Arabic font and the translation font of the settings (which the
// settings dialog may have changed since the last show).
void SearchTab::applyFonts()
{
    QFont arabic(kArabicFontFamily);
    arabic.setPointSize(std::max(10, AppSet.ArabicFontSize * 3 / 4));
    QFont translation(QString::fromStdString(AppSet.TransFontName));
    translation.setPointSize(std::max(8, AppSet.TransFontSize + 2));
    m_delegate->setTextFonts(arabic, translation);
    lvResults->doItemsLayout(); // the rows take the new height; the current hit stays
}

void SearchTab::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    applyFonts();
    edtSearch->setFocus(Qt::TabFocusReason);
    runGuarded([this] { ensurePrepared(); });
}

// The index is checked (and built when missing or stale) at the first use of the tab; the
// text store is loaded by then.
void SearchTab::ensurePrepared()
{
    if (m_prepareAsked)
        return;
    m_prepareAsked = true;
    applyFonts();
    lblCount->setText("Preparing the search index…");
    m_worker->prepare(searchSources(textStoreTexts()));
}

SearchOptions SearchTab::currentOptions() const
{
    SearchOptions options;
    options.fields = cbField->currentData().toInt();
    options.wholeWord = chkWholeWord->isChecked();
    if (cbScope->currentIndex() == kShownSura) {
        const int sura = m_shownSura ? m_shownSura() : 0;
        if (sura >= 1 && sura <= kSuraCount) {
            options.firstAya = SuraTable[sura].FirstAya;
            options.lastAya = SuraTable[sura].LastAya;
        }
    } else if (cbScope->currentIndex() == kOneJuz) {
        options.firstAya = juzFirstAya(seJuz->value());
        options.lastAya = juzLastAya(seJuz->value());
    }
    return options;
}

void SearchTab::startSearch()
{
    m_debounce.stop();
    ensurePrepared();
    if (!m_ready)
        return; // the search runs when the index is ready
    m_request = m_worker->search(edtSearch->text().toStdString(), currentOptions());
}

void SearchTab::showResults(quint64 request, std::shared_ptr<const SearchResults> results)
{
    if (request != m_request)
        return;
    const bool wholeWord = chkWholeWord->isChecked();
    const std::size_t total = results->total;
    const std::size_t ayat = results->ayaCount;
    const bool capped = results->capped;
    const bool terms = !results->terms.empty();
    const std::size_t shown = results->hits.size();
    m_model->setResults(std::move(results), wholeWord);
    if (total == 0) {
        // Only blanks or marks ask nothing, and get no answer.
        lblCount->setText(terms ? QStringLiteral("0 ayat") : QString());
    } else {
        QString count = QStringLiteral("%1 ayat").arg(ayat);
        if (total != ayat)
            count += QStringLiteral(", %1 hits").arg(total);
        if (capped)
            count += QStringLiteral(" (first %1 of %2 hits shown)").arg(shown).arg(total);
        lblCount->setText(count);
        lvResults->setCurrentIndex(m_model->index(0));
    }
    emit resultsShown();
}

void SearchTab::showFailure(quint64 request, const QString& message)
{
    if (request != m_request)
        return;
    m_model->setResults(nullptr, false);
    lblCount->setText(QStringLiteral("Search failed"));
    // Typing on would repeat the same message at every pause.
    if (message != m_lastFailure)
        reportError(message);
    m_lastFailure = message;
    emit resultsShown();
}

void SearchTab::chooseCurrent()
{
    const QModelIndex current = lvResults->currentIndex();
    if (!current.isValid())
        return;
    emit ayaChosen(current.data(SearchResultModel::SuraRole).toInt(), current.data(SearchResultModel::AyaRole).toInt());
}

void SearchTab::moveCurrent(int step)
{
    const int rows = m_model->rowCount();
    if (rows == 0)
        return;
    const int row = std::clamp(lvResults->currentIndex().row() + step, 0, rows - 1);
    lvResults->setCurrentIndex(m_model->index(row));
}

// Up, Down, Page Up and Page Down move through the hits while typing goes on in the box.
bool SearchTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edtSearch && event->type() == QEvent::KeyPress) {
        const int page = std::max(1, lvResults->viewport()->height() / std::max(1, lvResults->sizeHintForRow(0)));
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Down:
            moveCurrent(1);
            return true;
        case Qt::Key_Up:
            moveCurrent(-1);
            return true;
        case Qt::Key_PageDown:
            moveCurrent(page);
            return true;
        case Qt::Key_PageUp:
            moveCurrent(-page);
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tilvane
