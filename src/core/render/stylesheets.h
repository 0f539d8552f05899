#pragma once

#include "core/app/settings.h"

#include <string>

namespace tilvane {

// "rgb(r, g, b)" of a colour value, each component in plain decimal.
std::string RgbText(TColor colour);

// Writes CommonCssFile from the user's fonts and colours in AppSet; overwrites it.
void WriteCommonCss();

enum class ScreenCssKind { Normal = 1, Wide = 2 }; // line height 1em or 2.5em

// Writes one of the two screen stylesheets; overwrites it.
void WriteScreenCss(const std::string& file, ScreenCssKind kind);

// The three stylesheets as start-up writes them: common, screen.css, screen_2.css.
void WriteAllStylesheets();

} // namespace tilvane
