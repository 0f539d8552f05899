#pragma once

#include <string_view>

namespace tilvane {

// The product's home page, named in printed pages and on the About page. The domain is
// reserved and resolves nowhere, so nothing in the program can lead a reader to a stranger.
inline constexpr std::string_view kProductWebAddress = "https://tilvane.example/";

// The reverse-DNS id of the menu entry, the icons and the AppStream data; the window names
// it so that desktops match the running window to its entry and icon.
inline constexpr std::string_view kDesktopId = "example.tilvane.Tilvane";

} // namespace tilvane
