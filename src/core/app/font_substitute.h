#pragma once

#include <string>
#include <vector>

namespace tilvane {

// Sans families close to Tahoma (a narrow humanist sans with the Latin letters the
// transliteration needs, ā ī ū ḥ ṣ Ż), in order of preference.
const std::vector<std::string>& tahomaLikeFamilies();

// Whether fontconfig has a font whose family is `family` (ignoring case).
bool isFontFamilyInstalled(const std::string& family);

// When `family` is not installed, tells fontconfig, for this process, to use the first
// installed of `candidates` in its place, so that the page, the printed PDF and the window
// all draw it with one font instead of each falling back on its own. Returns the family put
// in its place; empty when `family` is installed, none of the candidates is, or it was done
// before in this process.
std::string substituteMissingFamily(const std::string& family, const std::vector<std::string>& candidates);

} // namespace tilvane
