#include "core/search/search_snippet.h"

#include "core/search/text_fold.h"

namespace tilvane {

namespace {

// The byte letters code points before (or after) at, moved to a blank so no word is cut.
std::size_t backBy(std::string_view text, std::size_t at, std::size_t letters)
{
    std::size_t start = at;
    while (start > 0 && letters > 0) {
        --start;
        if ((static_cast<unsigned char>(text[start]) & 0xC0) != 0x80)
            --letters;
    }
    if (start == 0)
        return 0;
    const std::size_t blank = text.find(' ', start);
    return blank == std::string_view::npos || blank >= at ? start : blank + 1;
}

std::size_t forwardBy(std::string_view text, std::size_t at, std::size_t letters)
{
    std::size_t end = at;
    while (end < text.size() && letters > 0) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
        --letters;
    }
    if (end >= text.size())
        return text.size();
    const std::size_t blank = text.rfind(' ', end);
    return blank == std::string_view::npos || blank <= at ? end : blank;
}

} // namespace

TextSpan snippetAround(std::string_view text, const std::vector<TextMark>& marks, std::size_t lettersBefore,
                       std::size_t lettersInAll)
{
    if (codePointCount(text) <= lettersInAll)
        return {0, text.size()};
    const std::size_t match = marks.empty() ? 0 : marks.front().begin;
    const std::size_t begin = backBy(text, match, lettersBefore);
    return {begin, forwardBy(text, begin, lettersInAll)};
}

} // namespace tilvane
