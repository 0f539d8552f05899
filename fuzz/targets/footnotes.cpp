// Footnote marks in translation lines: every mark, broken or not, expands without reading
// outside the line or the footnote list, and each expanded mark brings one tip.
#include "fuzz_support.h"

#include "core/render/footnotes.h"

#include <string>

using namespace tilvane;
using tilvane::fuzz::require;

namespace {

std::size_t countOf(const std::string& text, std::string_view pattern)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(pattern); at != std::string::npos; at = text.find(pattern, at + pattern.size()))
        ++count;
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const LineList footnoteTexts(std::vector<std::string>{"first note", "second note", "third note"});
    static const std::string logFolder = (fuzz::scratchFolder() / "").string();

    const std::string text(fuzz::asText(data, size));
    LineList tips;
    FootnoteExpander expander(footnoteTexts, tips, logFolder);
    const std::string expanded = expander.expand(text, 2, 10);
    require(tips.size() <= countOf(text, "]</b></sup>"), "every tip comes from a closed mark");
    require(!tips.empty() || expanded == text, "a line without expanded marks passes through unchanged");
    return 0;
}
