#pragma once

#include <string>

namespace databuilder {

// The PNG drawn behind each sura title (the stylesheet's sura-header.png): a framed,
// rounded cream panel with a small diamond at each end, on a transparent ground.
std::string suraHeaderPng();

} // namespace databuilder
