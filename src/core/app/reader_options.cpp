#include "core/app/reader_options.h"

#include "core/quran/sura_table.h"

#include <charconv>

namespace tilvane {

std::optional<TQuranPos> parseAyaPosition(const std::string& text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    TQuranPos pos;
    const char* end = text.data() + text.size();
    const auto sura = std::from_chars(text.data(), text.data() + colon, pos.Sura);
    const auto aya = std::from_chars(text.data() + colon + 1, end, pos.Aya);
    if (sura.ec != std::errc() || sura.ptr != text.data() + colon || aya.ec != std::errc() || aya.ptr != end)
        return std::nullopt;
    if (pos.Sura < 1 || pos.Sura > kSuraCount || pos.Aya < 1 || pos.Aya > SuraTable[pos.Sura].AyaCount)
        return std::nullopt;
    return pos;
}

ReaderOptions parseReaderOptions(const std::vector<std::string>& args)
{
    ReaderOptions options;
    for (std::size_t at = 0; at < args.size(); ++at) {
        const std::string& arg = args[at];
        if (arg != "--goto" && arg != "--app-dir")
            continue;
        if (at + 1 >= args.size()) {
            options.problem = arg + " needs a value";
            return options;
        }
        const std::string& value = args[++at];
        if (arg == "--app-dir") {
            options.appDir = value;
            continue;
        }
        options.gotoPos = parseAyaPosition(value);
        if (!options.gotoPos) {
            options.problem = "not an aya of the Quran (SURA:AYA): " + value;
            return options;
        }
    }
    return options;
}

} // namespace tilvane
