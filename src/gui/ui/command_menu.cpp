#include "gui/ui/command_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>

namespace tilvane {

namespace {

constexpr const char* kTitleProperty = "commandGroupTitle";

} // namespace

CommandMenu::CommandMenu(QWidget* parent)
    : QMenu(parent)
{
}

// A heading is a disabled item in bold: styles draw the text of a menu section only on some
// platforms, a heading must show on all.
void CommandMenu::addGroup(const char* title, const QList<QAction*>& actions)
{
    if (!this->actions().isEmpty())
        addSeparator();
    QAction* heading = addAction(QString());
    heading->setProperty(kTitleProperty, QByteArray(title));
    heading->setEnabled(false);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    addActions(actions);
    retranslateHeadings();
}

QAction* CommandMenu::groupEnd(const char* title) const
{
    const QList<QAction*> items = actions();
    bool inGroup = false;
    for (QAction* item : items) {
        if (inGroup && item->isSeparator())
            return item;
        if (item->property(kTitleProperty).toByteArray() == title)
            inGroup = true;
    }
    return nullptr;
}

void CommandMenu::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateHeadings();
    QMenu::changeEvent(event);
}

void CommandMenu::retranslateHeadings()
{
    for (QAction* action : actions()) {
        const QByteArray title = action->property(kTitleProperty).toByteArray();
        if (!title.isEmpty())
            action->setText(QCoreApplication::translate("CommandMenu", title.constData()));
    }
}

} // namespace tilvane
