#include "core/base/ascii_case.h"

#include <algorithm>

namespace tilvane {

namespace {

char foldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string asciiLowered(std::string_view text)
{
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), foldAscii);
    return folded;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return foldAscii(x) == foldAscii(y); });
}

bool containsIgnoringAsciiCase(std::string_view text, std::string_view pattern)
{
    return !pattern.empty() && asciiLowered(text).find(asciiLowered(pattern)) != std::string::npos;
}

} // namespace tilvane
