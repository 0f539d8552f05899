#include "core/render/text_search.h"

#include "core/base/ascii_case.h"

namespace tilvane {

namespace {

// text with every occurrence of pattern in `haystack` (a same-length image of text) removed.
std::string removeMatches(std::string_view text, std::string_view haystack, std::string_view pattern)
{
    if (pattern.empty())
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t at = haystack.find(pattern); at != std::string_view::npos; at = haystack.find(pattern, start)) {
        out.append(text.substr(start, at - start));
        start = at + pattern.size();
    }
    out.append(text.substr(start));
    return out;
}

} // namespace

std::string removeAllIgnoringAsciiCase(std::string_view text, std::string_view pattern)
{
    return removeMatches(text, asciiLowered(text), asciiLowered(pattern));
}

std::string removeAll(std::string_view text, std::string_view pattern)
{
    return removeMatches(text, text, pattern);
}

} // namespace tilvane
