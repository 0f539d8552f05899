#pragma once

class QWidget;

namespace tilvane {

// Moves a top-level window, at its present size, to the middle of the primary screen's
// available area.
void centreOnDesktop(QWidget& window);

} // namespace tilvane
