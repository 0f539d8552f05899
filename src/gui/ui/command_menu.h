#pragma once

#include <QCoreApplication>
#include <QList>
#include <QMenu>

class QAction;

namespace tilvane {

// The groups of the window's commands, in menu order.
namespace CommandGroup {
inline constexpr const char* Quran = QT_TRANSLATE_NOOP("CommandMenu", "Quran");
inline constexpr const char* Go = QT_TRANSLATE_NOOP("CommandMenu", "Go");
inline constexpr const char* Recitation = QT_TRANSLATE_NOOP("CommandMenu", "Recitation");
inline constexpr const char* Bookmarks = QT_TRANSLATE_NOOP("CommandMenu", "Bookmarks");
inline constexpr const char* View = QT_TRANSLATE_NOOP("CommandMenu", "View");
inline constexpr const char* Help = QT_TRANSLATE_NOOP("CommandMenu", "Help");
} // namespace CommandGroup

// A menu of every command of the window, in groups under headings (Quran, Go, Recitation,
// Bookmarks, View, Help); each command shows its shortcut. The headings follow the
// interface language.
class CommandMenu : public QMenu {
    Q_OBJECT
public:
    explicit CommandMenu(QWidget* parent = nullptr);

    // title is one of CommandGroup.
    void addGroup(const char* title, const QList<QAction*>& actions);
    // The item before which commands join the end of a group (nullptr: the menu's end).
    QAction* groupEnd(const char* title) const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateHeadings();
};

} // namespace tilvane
