#pragma once

#include <array>
#include <string_view>

namespace tilvane {

// The application title, shown in the window captions, the splash and the message boxes.
inline constexpr std::string_view AppName = "Tilvane";
inline constexpr std::string_view AppVersion = "Alfa Test Version (0.55)";

// Labels of the page layouts, indexed by the ViewStyle setting.
inline constexpr std::array<std::string_view, 4> ViewStyleNames = {
    "Arabic and Translations",
    "Arabic Only",
    "Arabic Only 1 Aya per-Line",
    "Translations Only",
};

} // namespace tilvane
