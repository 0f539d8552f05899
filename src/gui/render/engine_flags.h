#pragma once

namespace tilvane {

// Adds the reader's own switches to the web engine's command line (QTWEBENGINE_CHROMIUM_FLAGS)
// ahead of any the user set, so that the user's win. Must run before the engine starts.
void addWebEngineFlags();

} // namespace tilvane
