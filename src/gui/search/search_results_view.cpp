#include "gui/search/search_results_view.h"

#include "core/quran/sura_table.h"
#include "core/search/search_snippet.h"
#include "gui/app/qt_text.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPainter>
#include <QTextDocument>

namespace tilvane {

namespace {

constexpr char kMarkStyle[] = "background-color:#FFE680;";
// A snippet starts this many letters before the first match and holds about this many in
// all: three lines of a narrow panel still show the match.
constexpr std::size_t kLettersBeforeMatch = 40;
constexpr std::size_t kSnippetLetters = 320;

QString markedSnippet(const SearchHit& hit, const std::vector<QueryTerm>& terms, bool wholeWord)
{
    const std::vector<TextMark> marks = matchMarks(hit.text, terms, wholeWord);
    const TextSpan span = snippetAround(hit.text, marks, kLettersBeforeMatch, kSnippetLetters);
    const std::string_view text(hit.text);
    QString html = span.begin > 0 ? QStringLiteral("… ") : QString();
    std::size_t at = span.begin;
    for (const TextMark& mark : marks) {
        if (mark.begin < at || mark.end > span.end)
            continue;
        html += toQString(text.substr(at, mark.begin - at)).toHtmlEscaped();
        html += QStringLiteral("<span style=\"%1\">").arg(kMarkStyle)
            + toQString(text.substr(mark.begin, mark.end - mark.begin)).toHtmlEscaped() + QStringLiteral("</span>");
        at = mark.end;
    }
    html += toQString(text.substr(at, span.end - at)).toHtmlEscaped();
    return span.end < text.size() ? html + QStringLiteral(" …") : html;
}

} // namespace

void SearchResultModel::setResults(std::shared_ptr<const SearchResults> results, const QString& query, bool wholeWord)
{
    beginResetModel();
    m_results = std::move(results);
    m_query = query;
    m_wholeWord = wholeWord;
    m_shown.clear();
    if (m_results) {
        for (std::size_t k = 0; k < m_results->hits.size(); ++k)
            m_shown.push_back(k);
    }
    endResetModel();
}

void SearchResultModel::setReference(std::optional<QuranReference> reference)
{
    beginResetModel();
    m_reference = std::move(reference);
    endResetModel();
}

void SearchResultModel::setFormFilter(const QString& form)
{
    beginResetModel();
    m_shown.clear();
    const std::string wanted = form.toStdString();
    for (std::size_t k = 0; m_results && k < m_results->hits.size(); ++k) {
        if (wanted.empty() || m_results->hits[k].text.find(wanted) != std::string::npos)
            m_shown.push_back(k);
    }
    endResetModel();
}

int SearchResultModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_shown.size()) + (m_reference ? 1 : 0);
}

const SearchHit* SearchResultModel::hitAt(int row) const
{
    const int hit = row - (m_reference ? 1 : 0);
    if (!m_results || hit < 0 || hit >= static_cast<int>(m_shown.size()))
        return nullptr;
    return &m_results->hits[m_shown[static_cast<std::size_t>(hit)]];
}

// The core's label is English; the row says the same in the interface language.
QString SearchResultModel::referenceLabel(const QuranReference& reference)
{
    const QString name = toQString(SuraLatinNames[static_cast<std::size_t>(reference.sura)]);
    if (reference.aya > 0)
        return tr("Go to %1 %2 (%3:%2)").arg(name).arg(reference.aya).arg(reference.sura);
    return tr("Go to %1 (%2)").arg(name).arg(reference.sura);
}

QVariant SearchResultModel::data(const QModelIndex& index, int role) const
{
    if (m_reference && index.row() == 0) {
        switch (role) {
        case Qt::DisplayRole:
        case HeadingRole:
            return referenceLabel(*m_reference);
        case SuraRole:
            return m_reference->sura;
        case AyaRole:
            return m_reference->aya;
        case GoToRole:
            return true;
        default:
            return {};
        }
    }
    const SearchHit* hit = hitAt(index.row());
    if (hit == nullptr)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return toQString(hit->text);
    case HeadingRole:
        return QStringLiteral("%1  %2:%3  ·  %4")
            .arg(toQString(SuraLatinNames[static_cast<std::size_t>(hit->sura)]))
            .arg(hit->sura)
            .arg(hit->aya)
            .arg(toQString(hit->sourceTitle));
    case HtmlRole:
        return markedSnippet(*hit, m_results->terms, m_wholeWord);
    case SuraRole:
        return hit->sura;
    case AyaRole:
        return hit->aya;
    case ArabicRole:
        return hit->field == kFieldArabic;
    case GoToRole:
        return false;
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
    const bool goTo = index.data(SearchResultModel::GoToRole).toBool();
    if (goTo) {
        QFont bold = option.font;
        bold.setBold(true);
        painter->setFont(bold);
    }
    painter->setPen(selected ? option.palette.color(QPalette::HighlightedText)
                    : goTo   ? option.palette.color(QPalette::Text)
                             : option.palette.color(QPalette::Disabled, QPalette::Text));
    painter->drawText(area.left(), area.top(), area.width(), headingHeight, Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(SearchResultModel::HeadingRole).toString());
    if (goTo) {
        painter->restore();
        return;
    }

    const bool arabic = index.data(SearchResultModel::ArabicRole).toBool();
    // A translation in Arabic letters (Urdu) reads right to left in the translation font.
    const bool rightToLeft = arabic || index.data(Qt::DisplayRole).toString().isRightToLeft();
    QTextDocument text;
    text.setDefaultFont(arabic ? m_arabic : m_translation);
    text.setDocumentMargin(0);
    QTextOption layout;
    layout.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    layout.setAlignment(rightToLeft ? Qt::AlignRight : Qt::AlignLeft);
    text.setDefaultTextOption(layout);
    const QString html = index.data(SearchResultModel::HtmlRole).toString();
    text.setHtml(rightToLeft ? QStringLiteral("<div dir=\"rtl\" align=\"right\">%1</div>").arg(html) : html);
    text.setTextWidth(area.width());
    const QRect textArea(area.left(), area.top() + headingHeight, area.width(), area.height() - headingHeight);
    painter->setClipRect(textArea);
    painter->translate(textArea.topLeft());
    text.drawContents(painter);
    painter->restore();
}

QSize SearchResultDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    const int lineHeight = std::max(QFontMetrics(m_arabic).lineSpacing(), QFontMetrics(m_translation).lineSpacing());
    return {200, option.fontMetrics.height() + kTextLines * lineHeight + 6};
}

} // namespace tilvane
