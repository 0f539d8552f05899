#include "gui/library/bookmark_tree.h"

#include "core/library/note_text.h"
#include "core/quran/quran_store.h"
#include "core/quran/sura_table.h"
#include "gui/app/ui_font.h"
#include "gui/i18n/live_text.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QSet>

namespace tilvane {

namespace {

enum Role { kSuraRole = Qt::UserRole, kAyaRole, kTopicRole };
constexpr int kFirstWords = 6;
enum Column { kSuraColumn, kPositionColumn, kTextColumn, kNoteColumn };

QString firstWords(TQuranPos pos)
{
    std::string text = ayaLine(QuranUthmani, pos.Sura, pos.Aya);
    // The first aya of most suras is stored behind the bismillah, which says nothing here.
    const std::string& bismillah = ayaLine(QuranUthmani, 1, 1);
    if (pos.Sura != 1 && pos.Aya == 1 && !bismillah.empty() && text.starts_with(bismillah))
        text.erase(0, bismillah.size());
    const QStringList words = QString::fromStdString(text).split(' ', Qt::SkipEmptyParts);
    const QString start = words.mid(0, kFirstWords).join(' ');
    return words.size() > kFirstWords ? start + QStringLiteral(" …") : start;
}

} // namespace

BookmarkTree::BookmarkTree(QWidget* parent)
    : QTreeWidget(parent)
{
    setColumnCount(4);
    keepTranslated(this, [this] { setHeaderLabels({tr("Sura"), tr("Aya"), tr("Text"), tr("Note")}); });
    setRootIsDecorated(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::InternalMove);
    header()->setSectionResizeMode(kTextColumn, QHeaderView::Interactive);
    header()->setStretchLastSection(true);
    setColumnWidth(kSuraColumn, 150);
    setColumnWidth(kPositionColumn, 60);
    setColumnWidth(kTextColumn, 220);
}

QTreeWidgetItem* BookmarkTree::topicItem(const QString& name)
{
    auto* item = new QTreeWidgetItem(this, {name});
    item->setData(0, kTopicRole, name);
    item->setFirstColumnSpanned(true);
    QFont bold = item->font(0);
    bold.setBold(true);
    item->setFont(0, bold);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled);
    return item;
}

void BookmarkTree::fill(const std::vector<std::string>& topics, const std::vector<Bookmark>& bookmarks)
{
    QSet<QString> closed;
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (!topLevelItem(i)->isExpanded())
            closed.insert(topLevelItem(i)->data(0, kTopicRole).toString());
    const std::optional<TQuranPos> current = currentBookmark();
    const QString currentTopicName = currentTopic();

    const QSignalBlocker blocker(this);
    clear();
    QHash<QString, QTreeWidgetItem*> groups;
    for (const std::string& topic : topics)
        groups.insert(QString::fromStdString(topic), topicItem(QString::fromStdString(topic)));
    QTreeWidgetItem* unsorted = topicItem(kUnsortedTopic);
    QTreeWidgetItem* restored = nullptr;
    for (const Bookmark& bookmark : bookmarks) {
        std::vector<QTreeWidgetItem*> parents;
        for (const std::string& topic : bookmark.topics)
            if (QTreeWidgetItem* group = groups.value(QString::fromStdString(topic)))
                parents.push_back(group);
        if (parents.empty())
            parents.push_back(unsorted);
        for (QTreeWidgetItem* parent : parents) {
            const QString position = QStringLiteral("%1:%2").arg(bookmark.pos.Sura).arg(bookmark.pos.Aya);
            const QString suraName = QString::fromStdString(SuraLatinNames[bookmark.pos.Sura]);
            const QString note = QString::fromStdString(noteFirstLine(bookmark.note));
            auto* row = new QTreeWidgetItem(parent, {suraName, position, firstWords(bookmark.pos), note});
            row->setFont(2, quranFont(font()));
            row->setData(0, kSuraRole, bookmark.pos.Sura);
            row->setData(0, kAyaRole, bookmark.pos.Aya);
            row->setData(0, kTopicRole, parent->data(0, kTopicRole));
            row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
            if (current == bookmark.pos && (restored == nullptr || parent->text(0) == currentTopicName))
                restored = row;
        }
    }
    for (int i = 0; i < topLevelItemCount(); ++i)
        topLevelItem(i)->setExpanded(!closed.contains(topLevelItem(i)->data(0, kTopicRole).toString()));
    if (restored != nullptr)
        setCurrentItem(restored);
}

std::optional<TQuranPos> BookmarkTree::bookmarkOf(const QTreeWidgetItem* item)
{
    if (item == nullptr || item->parent() == nullptr)
        return std::nullopt;
    return TQuranPos{item->data(0, kSuraRole).toInt(), item->data(0, kAyaRole).toInt()};
}

std::optional<TQuranPos> BookmarkTree::currentBookmark() const
{
    return bookmarkOf(currentItem());
}

QString BookmarkTree::currentTopic() const
{
    return currentItem() != nullptr ? currentItem()->data(0, kTopicRole).toString() : QString();
}

bool BookmarkTree::isTopicRow(const QTreeWidgetItem* item) const
{
    return item != nullptr && item->parent() == nullptr;
}

void BookmarkTree::setNoteShown(TQuranPos pos, const std::string& note)
{
    const QString line = QString::fromStdString(noteFirstLine(note));
    for (QTreeWidgetItemIterator it(this); *it != nullptr; ++it)
        if (bookmarkOf(*it) == pos)
            (*it)->setText(kNoteColumn, line);
}

QTreeWidgetItem* BookmarkTree::dropTopic(const QPoint& position) const
{
    QTreeWidgetItem* target = itemAt(position);
    return (target != nullptr && target->parent() != nullptr) ? target->parent() : target;
}

// The view's own handling scrolls and draws the indicator; which drops count is decided here.
void BookmarkTree::dragMoveEvent(QDragMoveEvent* event)
{
    QTreeWidget::dragMoveEvent(event);
    QTreeWidgetItem* target = dropTopic(event->position().toPoint());
    if (event->source() == this && target != nullptr && target->data(0, kTopicRole).toString() != currentTopic())
        event->acceptProposedAction();
    else
        event->ignore();
}

// The rows are rebuilt from the store after the move, so Qt must not move the item itself,
// and the rebuild waits until the drag has ended (the drag still refers to the rows).
void BookmarkTree::dropEvent(QDropEvent* event)
{
    QTreeWidgetItem* target = dropTopic(event->position().toPoint());
    const std::optional<TQuranPos> pos = currentBookmark();
    // Text dragged in from elsewhere must not move the current bookmark.
    if (event->source() != this) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (target == nullptr || !pos)
        return;
    const QString from = currentTopic();
    const QString to = target->data(0, kTopicRole).toString();
    QMetaObject::invokeMethod(
        this, [this, pos, from, to] { emit moveRequested(*pos, from, to); }, Qt::QueuedConnection);
}

} // namespace tilvane
