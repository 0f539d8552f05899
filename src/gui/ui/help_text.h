#pragma once

#include <QList>
#include <QString>

class QAction;

namespace tilvane {

// The help page in the interface language, as HTML for a text browser. The shortcut table is
// read from actions (those that have a shortcut, in the order given), so it always names the
// keys the window answers to.
QString buildHelpHtml(const QList<QAction*>& actions);

} // namespace tilvane
