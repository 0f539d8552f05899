#pragma once

#include "core/quran/quran_pos.h"

#include <QTimer>
#include <QWidget>

#include <optional>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTreeWidgetItem;

namespace tilvane {

class BookmarkTree;
class Library;

// The " Topics " tab: the bookmarks by topic beside the note of the current one, saved as it
// is typed. When the library cannot be used it says why and offers to try again or, for a
// damaged or unreadable file, to move it aside and start afresh.
class TopicsTab : public QWidget {
    Q_OBJECT
public:
    TopicsTab(Library& library, QWidget* parent = nullptr);
    ~TopicsTab() override;

    BookmarkTree* tree() const { return m_tree; }
    QPlainTextEdit* noteEditor() const { return m_note; }
    QLabel* problemLabel() const { return m_problem; }
    // Ctrl+Z: brings back the last removed bookmark; the window adds it to itself.
    QAction* undoAction() const { return m_undo; }
    // Writes a note still waiting for its pause in typing.
    void updateNoteCaption();
    void saveNoteNow();

signals:
    void gotoRequested(int sura, int aya);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* createProblemPanel();
    QWidget* createButtons();
    void refresh();
    void currentChanged();
    void showContextMenu(const QPoint& position);
    void addTopicMenus(QMenu& menu, TQuranPos pos);
    void moveBookmark(TQuranPos pos, const QString& from, const QString& to);
    void newTopic();
    void renameTopic();
    void deleteTopic();
    void deleteBookmark();
    void exportFile();
    void importFile();
    void activate(QTreeWidgetItem* item);

    Library& m_library;
    QWidget* m_problemPanel = nullptr;
    QLabel* m_problem = nullptr;
    QPushButton* m_moveAside = nullptr;
    QWidget* m_content = nullptr;
    BookmarkTree* m_tree = nullptr;
    QLabel* m_noteCaption = nullptr;
    QPlainTextEdit* m_note = nullptr;
    QAction* m_undo = nullptr;
    QTimer m_noteTimer;
    std::optional<TQuranPos> m_notePos; // whose note the editor holds
    bool m_noteDirty = false;           // typed since the last save
};

} // namespace tilvane
