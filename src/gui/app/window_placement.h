#pragma once

class QWidget;

namespace tilvane {

// Moves a top-level window to the middle of the primary screen's available area, at its
// present size, made smaller where the screen is.
void centreOnDesktop(QWidget& window);

} // namespace tilvane
