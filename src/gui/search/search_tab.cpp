#include "gui/search/search_tab.h"

#include "core/app/settings.h"
#include "core/quran/juz_starts.h"
#include "core/quran/sura_table.h"
#include "core/search/search_sources.h"
#include "gui/app/error_handler.h"
#include "gui/app/qt_text.h"
#include "gui/i18n/live_text.h"
#include "gui/search/search_results_view.h"
#include "gui/search/search_worker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QSpinBox>

#include <functional>

namespace tilvane {

namespace {

// Typing pauses this long before the text is searched; shorter pauses search words half typed.
constexpr int kDebounceMs = 250;
// The index is built this long after the first page is shown, when the page has settled.
constexpr int kBackgroundStartMs = 1500;
constexpr char kArabicFontFamily[] = "Scheherazade";

enum Scope { kWholeQuran, kShownSura, kOneJuz };
enum Texts { kActiveTexts, kAllTexts };

} // namespace

SearchTab::SearchTab(QWidget* parent) : QWidget(parent)
{
    setObjectName("tabSearch");
    m_worker = new SearchWorker(this);
    m_model = new SearchResultModel(this);
    m_delegate = new SearchResultDelegate(this);
    createControls();
    connectControls();
}

SearchTab::~SearchTab() = default;

void SearchTab::createControls()
{
    auto* layout = new QGridLayout(this);
    edtSearch = new QLineEdit(this);
    edtSearch->setObjectName("edtSearch");
    keepTranslated(edtSearch, [this] {
        edtSearch->setPlaceholderText(
            tr("Arabic, transliteration, translation, a sura or 2:255; \"quoted words\" as a phrase"));
    });
    edtSearch->setClearButtonEnabled(true);
    edtSearch->installEventFilter(this);
    // The code reads the items by their place, so a change of language only renames them.
    auto combo = [this](const char* name, std::function<QStringList()> texts) {
        auto* box = new QComboBox(this);
        box->setObjectName(name);
        box->addItems(texts());
        keepTranslated(box, [box, texts] {
            const QStringList items = texts();
            for (int i = 0; i < items.size(); ++i)
                box->setItemText(i, items[i]);
        });
        return box;
    };
    cbMode = combo("cbMode", [] { return QStringList{tr("Words"), tr("Root"), tr("Stem")}; });
    keepTranslated(cbMode, [this] {
        cbMode->setToolTip(tr("Words as typed, every word of an Arabic root (صبر or ص ب ر), or an Arabic word with "
                              "any prefixes and attached pronouns"));
    });
    cbScope = combo("cbScope", [] { return QStringList{tr("Whole Quran"), tr("Shown sura"), tr("Juz")}; });
    seJuz = new QSpinBox(this);
    seJuz->setObjectName("seJuz");
    seJuz->setRange(1, kJuzCount);
    seJuz->setEnabled(false);
    cbField = combo("cbField",
                    [] { return QStringList{tr("All texts"), tr("Arabic"), tr("Transliteration"), tr("Translations")}; });
    const int fields[] = {kAllFields, kFieldArabic, kFieldLatin, kFieldTranslation};
    for (int i = 0; i < cbField->count(); ++i)
        cbField->setItemData(i, fields[i]);
    cbTexts = combo("cbTexts", [] { return QStringList{tr("Arabic and active translations"), tr("All installed texts")}; });
    cbOrder = combo("cbOrder", [] { return QStringList{tr("Quran order"), tr("Relevance")}; });
    chkWholeWord = new QCheckBox(this);
    keepTranslatedText(chkWholeWord, [] { return tr("Whole words"); });
    chkWholeWord->setObjectName("chkWholeWord");
    lblCount = new QLabel(this);
    lblCount->setObjectName("lblCount");
    lblSuggestions = new QLabel(this);
    lblSuggestions->setObjectName("lblSuggestions");
    lblSuggestions->setTextFormat(Qt::RichText);
    lblSuggestions->hide();
    lwForms = new QListWidget(this);
    lwForms->setObjectName("lwForms");
    lwForms->setFlow(QListView::LeftToRight);
    lwForms->setWrapping(true);
    lwForms->setMaximumHeight(90);
    lwForms->setLayoutDirection(Qt::RightToLeft);
    lwForms->hide();
    lvResults = new QListView(this);
    lvResults->setObjectName("lvResults");
    lvResults->setModel(m_model);
    lvResults->setItemDelegate(m_delegate);
    lvResults->setUniformItemSizes(true);
    lvResults->setSelectionMode(QAbstractItemView::SingleSelection);
    lvResults->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvResults->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* searchLabel = new QLabel(this);
    keepTranslatedText(searchLabel, [] { return tr("Search:"); });
    layout->addWidget(searchLabel, 0, 0);
    layout->addWidget(edtSearch, 0, 1, 1, 4);
    layout->addWidget(cbMode, 1, 1);
    layout->addWidget(cbScope, 1, 2);
    layout->addWidget(seJuz, 1, 3);
    layout->addWidget(cbField, 1, 4);
    layout->addWidget(cbTexts, 2, 1, 1, 2);
    layout->addWidget(cbOrder, 2, 3);
    layout->addWidget(chkWholeWord, 2, 4);
    layout->addWidget(lblCount, 3, 1, 1, 4);
    layout->addWidget(lblSuggestions, 4, 1, 1, 4);
    layout->addWidget(lwForms, 5, 0, 1, 5);
    layout->addWidget(lvResults, 6, 0, 1, 5);
    layout->setColumnStretch(4, 1);
    layout->setRowStretch(6, 1);
    setFocusProxy(edtSearch);
}

void SearchTab::connectControls()
{
    m_debounce.setSingleShot(true);
    m_debounce.setInterval(kDebounceMs);
    connect(&m_debounce, &QTimer::timeout, this, guarded([this] { startSearch(); }));
    connect(edtSearch, &QLineEdit::textEdited, this, [this] { m_debounce.start(); });
    connect(edtSearch, &QLineEdit::returnPressed, this, guarded([this] { runPendingThenChoose(); }));
    connect(cbScope, &QComboBox::currentIndexChanged, seJuz, [this](int scope) { seJuz->setEnabled(scope == kOneJuz); });
    for (QComboBox* box : {cbMode, cbScope, cbField, cbTexts, cbOrder})
        connect(box, &QComboBox::currentIndexChanged, this, guarded([this] { startSearch(); }));
    connect(seJuz, &QSpinBox::valueChanged, this, guarded([this] { startSearch(); }));
    connect(chkWholeWord, &QCheckBox::toggled, this, guarded([this] { startSearch(); }));
    connect(lvResults, &QListView::activated, this, guarded([this] { chooseCurrent(); }));
    connect(lblSuggestions, &QLabel::linkActivated, this, guarded([this](const QString& word) {
                edtSearch->setText(word);
                startSearch();
            }));
    // A form of the concordance shows only the hits holding it; the first entry shows all.
    connect(lwForms, &QListWidget::currentRowChanged, this, [this](int row) {
        m_model->setFormFilter(row > 0 ? lwForms->item(row)->data(Qt::UserRole).toInt() : -1);
        if (m_model->rowCount() > 0)
            lvResults->setCurrentIndex(m_model->index(0));
    });
    connect(m_worker, &SearchWorker::prepared, this, guarded([this](bool ready, const QString& problems) {
                m_ready = ready;
                // An index that cannot be used is tried again at the next use of the tab.
                m_prepareAsked = ready;
                lblCount->clear();
                if (!problems.isEmpty())
                    reportError(problems);
                if (ready && !edtSearch->text().isEmpty())
                    startSearch();
            }));
    connect(m_worker, &SearchWorker::searched, this,
            guarded([this](quint64 request, auto results) { showResults(request, std::move(results)); }));
    connect(m_worker, &SearchWorker::failed, this,
            guarded([this](quint64 request, const QString& message, bool queryProblem) {
                showFailure(request, message, queryProblem);
            }));
}

void SearchTab::focusSearchBox()
{
    ensurePrepared();
    edtSearch->setFocus(Qt::ShortcutFocusReason);
    edtSearch->selectAll();
}

void SearchTab::prepareInBackground()
{
    QTimer::singleShot(kBackgroundStartMs, this, guarded([this] {
        if (!m_prepareAsked)
            m_worker->buildInBackground(searchSources(textStoreTexts()));
    }));
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
    lwForms->setFont(arabic);
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
    lblCount->setText(tr("Preparing the search index…"));
    m_worker->prepare(searchSources(textStoreTexts()));
}

SearchOptions SearchTab::currentOptions() const
{
    SearchOptions options;
    options.mode = static_cast<SearchMode>(cbMode->currentIndex());
    options.fields = cbField->currentData().toInt();
    options.wholeWord = chkWholeWord->isChecked();
    options.order = cbOrder->currentIndex() == 1 ? SearchOrder::Relevance : SearchOrder::Quran;
    options.activeSources = activeSourceNames();
    options.allTexts = cbTexts->currentIndex() == kAllTexts;
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
    const std::string query = edtSearch->text().toStdString();
    const auto reference = cbMode->currentIndex() == 0 ? findQuranReference(query) : std::nullopt;
    m_model->setReference(reference);
    if (!m_ready) {
        // The search runs when the index is ready; a place named can be gone to meanwhile.
        if (reference)
            lvResults->setCurrentIndex(m_model->index(0));
        return;
    }
    m_request = m_worker->search(query, currentOptions());
}

// Enter answers what the box holds now: a query still waiting for the typing pause runs
// first, and the hit is chosen when its answer comes.
void SearchTab::runPendingThenChoose()
{
    if (!m_debounce.isActive() && (m_ready || m_model->rowCount() > 0) && m_model->answers(edtSearch->text())) {
        chooseCurrent();
        return;
    }
    m_chooseWhenAnswered = true;
    startSearch();
    if (!m_ready && m_model->rowCount() > 0) {
        m_chooseWhenAnswered = false;
        chooseCurrent();
    }
}

void SearchTab::showResults(quint64 request, std::shared_ptr<const SearchResults> results)
{
    if (request != m_request)
        return;
    showCount(*results);
    showSuggestions(results->suggestions);
    showForms(results->forms);
    m_model->setResults(std::move(results), edtSearch->text(), chkWholeWord->isChecked());
    if (m_model->rowCount() > 0)
        lvResults->setCurrentIndex(m_model->index(0));
    if (std::exchange(m_chooseWhenAnswered, false))
        chooseCurrent();
    emit resultsShown();
}

void SearchTab::showCount(const SearchResults& results)
{
    if (results.total == 0) {
        // Only blanks or marks ask nothing, and get no answer.
        lblCount->setText(results.terms.empty() ? QString() : tr("No results"));
        return;
    }
    QString count = tr("%1 ayat, %2 hits").arg(results.ayaCount).arg(results.total);
    if (results.capped)
        count += tr(" (first %1 shown)").arg(results.hits.size());
    lblCount->setText(count);
}

void SearchTab::showSuggestions(const std::vector<std::string>& words)
{
    QStringList links;
    for (const std::string& word : words) {
        const QString text = toQString(word).toHtmlEscaped();
        links.append(QStringLiteral("<a href=\"%1\">%1</a>").arg(text));
    }
    lblSuggestions->setText(tr("Did you mean: %1").arg(links.join(", ")));
    lblSuggestions->setVisible(!links.isEmpty());
}

void SearchTab::showForms(const std::vector<FoundForm>& forms)
{
    const QSignalBlocker blocker(lwForms);
    lwForms->clear();
    lwForms->setVisible(!forms.empty());
    if (forms.empty())
        return;
    lwForms->addItem(tr("All forms"));
    for (std::size_t k = 0; k < forms.size(); ++k) {
        auto* item = new QListWidgetItem(QStringLiteral("%1 (%2)").arg(toQString(forms[k].form)).arg(forms[k].count()), lwForms);
        item->setData(Qt::UserRole, static_cast<int>(k));
    }
    lwForms->setCurrentRow(0);
}

void SearchTab::showFailure(quint64 request, const QString& message, bool queryProblem)
{
    if (request != m_request)
        return;
    m_chooseWhenAnswered = false;
    m_model->setResults(nullptr, edtSearch->text(), false);
    showSuggestions({});
    showForms({});
    lblCount->setText(queryProblem ? message : tr("Search failed"));
    // Typing on would repeat the same message at every pause; a query the user can mend is
    // told in the tab only.
    if (message != m_lastFailure && !queryProblem)
        reportError(message);
    m_lastFailure = message;
    emit resultsShown();
}

void SearchTab::chooseCurrent()
{
    QModelIndex current = lvResults->currentIndex();
    if (!current.isValid() && m_model->rowCount() > 0)
        current = m_model->index(0);
    if (!current.isValid())
        return;
    emit ayaChosen(current.data(SearchResultModel::SuraRole).toInt(),
                   std::max(1, current.data(SearchResultModel::AyaRole).toInt()));
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
