#pragma once

class QSplitter;
class QWidget;

namespace tilvane {

// The window's size, place, maximised state and splitter as the settings file's section
// "window" holds them: restored before the first show, clamped to the screens there are now,
// and saved at close.
void restoreWindowState(QWidget& window, QSplitter& splitter);
void saveWindowState(const QWidget& window, const QSplitter& splitter);

} // namespace tilvane
