#pragma once

#include "core/app/settings.h"

#include <string>
#include <vector>

namespace tilvane {

enum class PageTheme { Light, Sepia, Night };

// "light", "sepia" or "night" as stored in the settings file; anything else is Light.
PageTheme themeNamed(const std::string& name);
std::string themeName(PageTheme theme);

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

Rgb rgbOf(ColorRef colour);
// WCAG's contrast ratio of two colours, 1..21.
double contrastRatio(Rgb first, Rgb second);

inline constexpr double kReadableContrast = 4.5;
// Replacements aim higher than the least readable contrast, so that they read with ease.
inline constexpr double kReplacementContrast = 7.0;

// colour itself when it reaches kReadableContrast on every background; otherwise colour
// moved towards white (dark backgrounds) or black (light ones) until it reaches
// kReplacementContrast on each.
Rgb readableOn(Rgb colour, const std::vector<Rgb>& backgrounds);

// The backgrounds text can stand on in a theme: the page, the selected aya, a search hit.
std::vector<Rgb> themeTextBackgrounds(PageTheme theme);

// Rules for the host style sheet that give the pages the theme's colours, with the user's
// colours from settings (kept in Sepia, kept where readable in Night); empty for Light,
// which is the pages' own look. Every declaration is !important, to win over the page.
std::string themePageCss(PageTheme theme, const TAppSet& settings);

} // namespace tilvane
