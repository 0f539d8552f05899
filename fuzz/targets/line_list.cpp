// Data files: any line endings split into lines without any line break left inside, and a
// saved list loads back as the same lines.
#include "fuzz_support.h"

#include "core/quran/line_list.h"

#include <string>

using namespace tilvane;
using tilvane::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = fuzz::asText(data, size);
    const LineList lines = LineList::fromText(text);

    std::string saved;
    std::size_t textBytes = 0;
    for (const std::string& line : lines) {
        require(line.find_first_of("\r\n") == std::string::npos, "no line holds a line break");
        textBytes += line.size();
        saved += line;
        saved += "\r\n";
    }
    require(textBytes <= text.size(), "lines hold no more bytes than the text");
    require(LineList::fromText(saved).lines() == lines.lines(), "a saved list loads back unchanged");
    require(lines.lineOrEmpty(lines.size()).empty(), "a line past the end is empty");
    return 0;
}
