#include "gui/search/search_results_view.h"

#include "core/quran/sura_table.h"
#include "gui/app/qt_text.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPainter>
#include <QTextDocument>

namespace tilvane {

namespace {

constexpr char kMarkStyle[] = "background-color:#FFE680;";

QString markedHtml(const SearchHit& hit, const std::vector<QueryTerm>& terms, bool wholeWord)
{
    QString html;
    std::size_t at = 0;
    for (const TextMark& mark : matchMarks(hit.text, terms, wholeWord)) {
        html += toQString(std::string_view(hit.text).substr(at, mark.begin - at)).toHtmlEscaped();
        html += QStringLiteral("<span style=\"%1\">").arg(kMarkStyle)
            + toQString(std::string_view(hit.text).substr(mark.begin, mark.end - mark.begin)).toHtmlEscaped()
            + QStringLiteral("</span>");
        at = mark.end;
    }
    return html + toQString(std::string_view(hit.text).substr(at)).toHtmlEscaped();
}

} // namespace

void SearchResultModel::setResults(std::shared_ptr<const SearchResults> results, bool wholeWord)
{
    beginResetModel();
    m_results = std::move(results);
    m_wholeWord = wholeWord;
    endResetModel();
}

int SearchResultModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_results ? 0 : static_cast<int>(m_results->hits.size());
}

QVariant SearchResultModel::data(const QModelIndex& index, int role) const
{
    if (!m_results || index.row() < 0 || index.row() >= rowCount())
        return {};
    const SearchHit& hit = m_results->hits[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return toQString(hit.text);
    case HeadingRole:
        return QStringLiteral("%1  %2:%3  ·  %4")
            .arg(toQString(SuraLatinNames[static_cast<std::size_t>(hit.sura)]))
            .arg(hit.sura)
            .arg(hit.aya)
            .arg(toQString(hit.sourceTitle));
    case HtmlRole:
        return markedHtml(hit, m_results->terms, m_wholeWord);
    case SuraRole:
        return hit.sura;
    case AyaRole:
        return hit.aya;
    case ArabicRole:
        return hit.field == kFieldArabic;
    default:
        return {};
    }
}

SearchResultDelegate::SearchResultDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void SearchResultDelegate::setTextFonts(const QFont& arabic, const QFont& translation)
{
    m_arabic = arabic;
    m_translation = translation;
}

void SearchResultDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    QApplication::style()->drawControl(QStyle::CE_ItemViewItem, &background, painter, option.widget);

    const QRect area = option.rect.adjusted(6, 2, -6, -2);
    const int headingHeight = option.fontMetrics.height();
    painter->save();
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    painter->setPen(selected ? option.palette.color(QPalette::HighlightedText)
                             : option.palette.color(QPalette::Disabled, QPalette::Text));
    painter->drawText(area.left(), area.top(), area.width(), headingHeight, Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(SearchResultModel::HeadingRole).toString());

    const bool arabic = index.data(SearchResultModel::ArabicRole).toBool();
    // A translation in Arabic letters (Urdu) reads right to left in the translation font.
    const bool rightToLeft = arabic || index.data(Qt::DisplayRole).toString().isRightToLeft();
    QTextDocument text;
    text.setDefaultFont(arabic ? m_arabic : m_translation);
    text.setDocumentMargin(0);
    QTextOption layout;
    layout.setWrapMode(QTextOption::NoWrap);
    layout.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    text.setDefaultTextOption(layout);
    text.setHtml(index.data(SearchResultModel::HtmlRole).toString());
    const QRect textArea(area.left(), area.top() + headingHeight, area.width(), area.height() - headingHeight);
    painter->setClipRect(textArea);
    // A line longer than the row is cut where it ends: on the left when it reads right to left.
    const qreal x = rightToLeft ? textArea.right() - text.idealWidth() : textArea.left();
    painter->translate(x, textArea.top());
    text.drawContents(painter);
    painter->restore();
}

QSize SearchResultDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    const int textHeight = std::max(QFontMetrics(m_arabic).height(), QFontMetrics(m_translation).height());
    return {200, option.fontMetrics.height() + textHeight + 6};
}

} // namespace tilvane
