#pragma once

#include <QString>

#include <string>

namespace tilvane {

// The recitation player's state and button words ("Playing", "Pause|Pause current aya", ...),
// which the core gives in English, in the interface language.
QString playerText(const std::string& text);

} // namespace tilvane
