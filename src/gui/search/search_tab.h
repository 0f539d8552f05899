#pragma once

#include "core/search/quran_reference.h"
#include "core/search/search_types.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QSpinBox;

namespace tilvane {

class SearchResultDelegate;
class SearchResultModel;
class SearchWorker;

// The " Search " tab: a box whose text is searched as it is typed (after a short pause), what
// the words stand for (words, a root, stems), the scope, fields, texts and order, and the
// hits, with a "Go to" entry on top when the text names a sura or an aya. Enter runs a query
// still waiting for the pause, then goes to the chosen hit (the first unless another is
// selected); a double click does too; the hits stay for the next pick.
class SearchTab : public QWidget {
    Q_OBJECT
public:
    explicit SearchTab(QWidget* parent = nullptr);
    ~SearchTab() override;

    // Gives the sura the reader shows, for the "Shown sura" scope.
    void setShownSuraSource(std::function<int()> shownSura) { m_shownSura = std::move(shownSura); }
    // Ctrl+F: the box takes the focus with its text selected; the index is made ready.
    void focusSearchBox();
    // After the reader's first page: the index is checked and built at idle priority, so that
    // the first search does not wait for it.
    void prepareInBackground();

    QLineEdit* edtSearch = nullptr;
    QComboBox* cbMode = nullptr;
    QComboBox* cbScope = nullptr;
    QSpinBox* seJuz = nullptr;
    QComboBox* cbField = nullptr;
    QComboBox* cbTexts = nullptr;
    QComboBox* cbOrder = nullptr;
    QCheckBox* chkWholeWord = nullptr;
    QLabel* lblCount = nullptr;
    QLabel* lblSuggestions = nullptr;
    QListWidget* lwForms = nullptr;
    QListView* lvResults = nullptr;

signals:
    void ayaChosen(int sura, int aya);
    // A query was answered (or found nothing to do); tests wait on it.
    void resultsShown();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void connectControls();
    void ensurePrepared();
    void applyFonts();
    void startSearch();
    void runPendingThenChoose();
    SearchOptions currentOptions() const;
    void showResults(quint64 request, std::shared_ptr<const SearchResults> results);
    void showCount(const SearchResults& results);
    void showSuggestions(const std::vector<std::string>& words);
    void showForms(const std::vector<FoundForm>& forms);
    void showFailure(quint64 request, const QString& message, bool queryProblem);
    void chooseCurrent();
    void moveCurrent(int step);

    std::function<int()> m_shownSura;
    SearchWorker* m_worker = nullptr;
    SearchResultModel* m_model = nullptr;
    SearchResultDelegate* m_delegate = nullptr;
    QTimer m_debounce;
    quint64 m_request = 0;
    bool m_prepareAsked = false;
    bool m_ready = false;
    bool m_chooseWhenAnswered = false; // Enter came before the answer to what was typed
    QString m_lastFailure;
};

} // namespace tilvane
