#pragma once

#include "core/search/search_index.h"

#include <QAbstractListModel>
#include <QStyledItemDelegate>

#include <memory>

namespace tilvane {

// The hits of one query as rows: a heading (sura name, sura:aya, the text's title) and the
// text with the matched words marked. Marks are found when a row is shown, not for all.
class SearchResultModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { HeadingRole = Qt::UserRole + 1, HtmlRole, SuraRole, AyaRole, ArabicRole };

    using QAbstractListModel::QAbstractListModel;
    void setResults(std::shared_ptr<const SearchResults> results, bool wholeWord);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::shared_ptr<const SearchResults> m_results;
    bool m_wholeWord = false;
};

// Paints a row in two lines, the text on one line in its own font (Arabic right to left).
class SearchResultDelegate : public QStyledItemDelegate {
public:
    explicit SearchResultDelegate(QObject* parent = nullptr);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    void setTextFonts(const QFont& arabic, const QFont& translation);

private:
    QFont m_arabic;
    QFont m_translation;
};

} // namespace tilvane
