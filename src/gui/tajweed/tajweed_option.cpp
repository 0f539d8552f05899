#include "gui/tajweed/tajweed_option.h"

#include "core/app/settings.h"
#include "core/tajweed/tajweed_markup.h"
#include "core/tajweed/tajweed_rules.h"
#include "gui/app/error_handler.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace tilvane {

QString tajweedRuleDisplayName(TajweedRule rule)
{
    // The English names are the core's; translations look them up under this context.
    const std::string english(tajweedRuleTitle(rule));
    return QCoreApplication::translate("Tajweed", english.c_str());
}

void installTajweedTitles()
{
    auto& titles = tajweedHoverTitles();
    for (TajweedRule rule : allTajweedRules())
        titles[static_cast<std::size_t>(rule)] = tajweedRuleDisplayName(rule).toStdString();
}

QAction* addTajweedToggle(QMenu* menu, std::function<void()> rebuildPage)
{
    auto* action = new QAction(QCoreApplication::translate("Tajweed", "Tajweed colours"), menu);
    action->setObjectName("actTajweed");
    action->setCheckable(true);
    action->setChecked(AppSet.Tajweed);
    const QList<QAction*> entries = menu->actions();
    menu->insertAction(entries.size() > 1 ? entries[1] : nullptr, action);
    // The settings dialog changes the same setting; the menu shows it as it is when opened.
    QObject::connect(menu, &QMenu::aboutToShow, action, [action] { action->setChecked(AppSet.Tajweed); });
    // A click turns over the setting as it stands, whatever the tick showed last.
    QObject::connect(action, &QAction::triggered, action, guarded([action, rebuildPage = std::move(rebuildPage)] {
        AppSet.Tajweed = !AppSet.Tajweed;
        action->setChecked(AppSet.Tajweed);
        rebuildPage();
    }));
    return action;
}

} // namespace tilvane
