#include "gui/tajweed/tajweed_option.h"

#include "core/app/settings.h"
#include "core/tajweed/tajweed_markup.h"
#include "core/tajweed/tajweed_rules.h"
#include "gui/app/error_handler.h"
#include "gui/i18n/live_text.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace tilvane {

namespace {

// The core's English rule names; these marks let lupdate collect them.
[[maybe_unused]] constexpr const char* kRuleTitles[] = {
    QT_TRANSLATE_NOOP("Tajweed", "Hamzat al-wasl (silent when joined)"),
    QT_TRANSLATE_NOOP("Tajweed", "Lam shamsiyyah (silent lam)"),
    QT_TRANSLATE_NOOP("Tajweed", "Silent letter"),
    QT_TRANSLATE_NOOP("Tajweed", "Natural madd (2 counts)"),
    QT_TRANSLATE_NOOP("Tajweed", "Madd when stopping (2, 4 or 6 counts)"),
    QT_TRANSLATE_NOOP("Tajweed", "Necessary madd (6 counts)"),
    QT_TRANSLATE_NOOP("Tajweed", "Separated madd (4 or 5 counts)"),
    QT_TRANSLATE_NOOP("Tajweed", "Joined madd (4 or 5 counts)"),
    QT_TRANSLATE_NOOP("Tajweed", "Qalqalah (echo)"),
    QT_TRANSLATE_NOOP("Tajweed", "Ghunnah (nasal sound, 2 counts)"),
    QT_TRANSLATE_NOOP("Tajweed", "Ikhfa (hidden noon)"),
    QT_TRANSLATE_NOOP("Tajweed", "Ikhfa shafawi (hidden meem)"),
    QT_TRANSLATE_NOOP("Tajweed", "Iqlab (noon said as meem)"),
    QT_TRANSLATE_NOOP("Tajweed", "Idghaam with ghunnah"),
    QT_TRANSLATE_NOOP("Tajweed", "Idghaam without ghunnah"),
    QT_TRANSLATE_NOOP("Tajweed", "Idghaam shafawi (meem into meem)"),
    QT_TRANSLATE_NOOP("Tajweed", "Idghaam of kindred letters"),
    QT_TRANSLATE_NOOP("Tajweed", "Idghaam of close letters"),
};

} // namespace

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

QAction* addTajweedToggle(QMenu* menu, QAction* before, std::function<void()> rebuildPage)
{
    auto* action = new QAction(menu);
    keepTranslatedText(action, [] { return QCoreApplication::translate("Tajweed", "Tajweed colours"); });
    action->setObjectName("actTajweed");
    action->setCheckable(true);
    action->setChecked(AppSet.Tajweed);
    menu->insertAction(before, action);
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
