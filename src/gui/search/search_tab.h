#pragma once

#include "core/search/search_index.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QSpinBox;

namespace tilvane {

class SearchResultDelegate;
class SearchResultModel;
class SearchWorker;

// The " Search " tab: a box whose text is searched as it is typed (after a short pause), the
// scope, the fields and whole-word choice, and the hits. Enter or a double click asks to go
// to the hit's aya; the hits stay for the next pick.
class SearchTab : public QWidget {
    Q_OBJECT
public:
    explicit SearchTab(QWidget* parent = nullptr);
    ~SearchTab() override;

    // Gives the sura the reader shows, for the "Shown sura" scope.
    void setShownSuraSource(std::function<int()> shownSura) { m_shownSura = std::move(shownSura); }
    // Ctrl+F: the box takes the focus with its text selected; the index is made ready.
    void focusSearchBox();

    QLineEdit* edtSearch = nullptr;
    QComboBox* cbScope = nullptr;
    QSpinBox* seJuz = nullptr;
    QComboBox* cbField = nullptr;
    QCheckBox* chkWholeWord = nullptr;
    QLabel* lblCount = nullptr;
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
    void ensurePrepared();
    void applyFonts();
    void startSearch();
    SearchOptions currentOptions() const;
    void showResults(quint64 request, std::shared_ptr<const SearchResults> results);
    void showFailure(quint64 request, const QString& message);
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
    QString m_lastFailure;
};

} // namespace tilvane
