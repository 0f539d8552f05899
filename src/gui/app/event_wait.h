#pragma once

#include <chrono>

namespace tilvane {

// Keeps the event loop turning for the given time (windows stay painted, timers run) while
// keyboard and mouse input waits in the queue.
void waitExcludingUserInput(std::chrono::milliseconds duration);

} // namespace tilvane
