#pragma once

#include "core/app/settings.h"

#include <string>

namespace tilvane {

// "rgb(r, g, b)" of a colour value, each component in plain decimal.
std::string RgbText(ColorRef colour);

// A font list names a family that two foundries make with the foundry's tag ("Nimbus Sans
// [urw]"); the family a page can name is the part before it ("Nimbus Sans").
std::string fontFamilyWithoutFoundry(const std::string& name);

// The family as a stylesheet writes it: without a foundry's tag, and quoted unless it is a
// plain sequence of identifiers, so that no name breaks the declaration it stands in.
std::string cssFontFamily(const std::string& name);

// Writes CommonCssFile from the user's fonts and colours in AppSet; overwrites it.
void WriteCommonCss();

enum class ScreenCssKind { Normal = 1, Wide = 2 }; // line height 1em or 2.5em

// Writes one of the two screen stylesheets; overwrites it.
void WriteScreenCss(const std::string& file, ScreenCssKind kind);

// The stylesheets as start-up writes them: common, screen.css, screen_2.css, tajweed.css.
void WriteAllStylesheets();

} // namespace tilvane
