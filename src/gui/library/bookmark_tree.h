#pragma once

#include "core/library/bookmark_store.h"

#include <QTreeWidget>

#include <optional>
#include <vector>

namespace tilvane {

// The bookmarks grouped by topic ("Unsorted" last), one row per bookmark and topic:
// sura name, sura:aya, the aya's first words, the note's first line. A row dragged onto
// another topic asks to be moved there.
class BookmarkTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit BookmarkTree(QWidget* parent = nullptr);

    // Rebuilds the rows, keeping which topics are open and which row is current.
    void fill(const std::vector<std::string>& topics, const std::vector<Bookmark>& bookmarks);
    // The bookmark of the current row, and the topic the row sits in.
    std::optional<TQuranPos> currentBookmark() const;
    QString currentTopic() const;
    bool isTopicRow(const QTreeWidgetItem* item) const;
    static std::optional<TQuranPos> bookmarkOf(const QTreeWidgetItem* item);
    // Shows a note's first line in every row of pos.
    void setNoteShown(TQuranPos pos, const std::string& note);

signals:
    void moveRequested(TQuranPos pos, const QString& fromTopic, const QString& toTopic);

protected:
    void dropEvent(QDropEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;

private:
    QTreeWidgetItem* topicItem(const QString& name);
    QTreeWidgetItem* dropTopic(const QPoint& position) const;
};

} // namespace tilvane
