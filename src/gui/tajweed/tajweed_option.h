#pragma once

#include "core/tajweed/tajweed_rules.h"

#include <functional>

class QAction;
class QMenu;
class QString;

namespace tilvane {

// The rule's name in the interface language, as the hover titles and the legend show it.
QString tajweedRuleDisplayName(TajweedRule rule);

// Puts the interface language's rule names into the page's hover titles and legend.
void installTajweedTitles();

// Adds the checkable "Tajweed colours" entry to the menu before `before` (nullptr: at its
// end). It shows AppSet.Tajweed whenever the menu opens, and a click turns the colours on or
// off and calls `rebuildPage`.
QAction* addTajweedToggle(QMenu* menu, QAction* before, std::function<void()> rebuildPage);

} // namespace tilvane
