#pragma once

#include <QList>
#include <QMenu>

class QAction;

namespace tilvane {

// A menu of every command of the window, in groups under headings (Quran, Go, Recitation,
// Bookmarks, View, Help); each command shows its shortcut. The headings follow the
// interface language.
class CommandMenu : public QMenu {
    Q_OBJECT
public:
    explicit CommandMenu(QWidget* parent = nullptr);

    // title is an English text marked with QT_TRANSLATE_NOOP("CommandMenu", ...).
    void addGroup(const char* title, const QList<QAction*>& actions);
    // The heading of a group, to insert further commands after its last one.
    QAction* groupHeading(const char* title) const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateHeadings();
};

} // namespace tilvane
