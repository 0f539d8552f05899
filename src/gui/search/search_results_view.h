#pragma once

#include "core/search/quran_reference.h"
#include "core/search/search_types.h"

#include <QAbstractListModel>
#include <QStyledItemDelegate>

#include <memory>
#include <optional>

namespace tilvane {

// The hits of one query as rows: a heading (sura name, sura:aya, the text's title) and a
// snippet of the text around its first match with the matched words marked; above them a
// "Go to …" row when the query names a place. Marks are found when a row is shown.
class SearchResultModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { HeadingRole = Qt::UserRole + 1, HtmlRole, SuraRole, AyaRole, ArabicRole, GoToRole };

    using QAbstractListModel::QAbstractListModel;
    void setResults(std::shared_ptr<const SearchResults> results, const QString& query, bool wholeWord);
    void setReference(std::optional<QuranReference> reference);
    // Shows only the hits holding the form at this place of the results' forms; -1 shows all.
    void setFormFilter(int form);
    // Whether the rows are the answer to this text of the search box.
    bool answers(const QString& query) const { return m_results && query == m_query; }
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const SearchHit* hitAt(int row) const;
    static QString referenceLabel(const QuranReference& reference);

    std::shared_ptr<const SearchResults> m_results;
    std::optional<QuranReference> m_reference;
    std::vector<std::size_t> m_shown; // indexes of the hits that pass the form filter
    QString m_query;
    bool m_wholeWord = false;
};

// Paints a row: the heading, then up to three wrapped lines of the snippet in its own font
// (Arabic in the Quran font, right to left).
class SearchResultDelegate : public QStyledItemDelegate {
public:
    static constexpr int kTextLines = 3;

    explicit SearchResultDelegate(QObject* parent = nullptr);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    void setTextFonts(const QFont& arabic, const QFont& translation);

private:
    QFont m_arabic;
    QFont m_translation;
};

} // namespace tilvane
