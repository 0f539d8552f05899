#include "gui/app/hints.h"

#include <QAction>
#include <QWidget>

namespace tilvane {

void applyHint(QAction* action, const QString& hint)
{
    const qsizetype bar = hint.indexOf('|');
    action->setToolTip(bar < 0 ? hint : hint.left(bar));
    action->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

void applyHint(QWidget* widget, const QString& hint)
{
    const qsizetype bar = hint.indexOf('|');
    widget->setToolTip(bar < 0 ? hint : hint.left(bar));
    widget->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

} // namespace tilvane
