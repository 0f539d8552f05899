#pragma once

#include <QString>

class QAction;
class QWidget;

namespace tilvane {

// Applies a hint of the form "short|long": the short part becomes the tooltip and the long
// part the status-bar text; a hint without "|" is both.
void applyHint(QAction* action, const QString& hint);
void applyHint(QWidget* widget, const QString& hint);

} // namespace tilvane
