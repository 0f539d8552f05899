// The settings and package descriptor reader: any bytes parse, reads never fail, a write is
// read back, and the written text parses to itself.
#include "fuzz_support.h"

#include "core/base/ini_file.h"

#include <string>

using namespace tilvane;
using tilvane::fuzz::require;

namespace {

// The first section and key the file names, so that reads also hit existing entries.
void readFirstEntry(const IniFile& ini, std::string_view text)
{
    const auto open = text.find('[');
    const auto close = text.find(']', open == std::string_view::npos ? 0 : open);
    const auto equals = text.find('=', close == std::string_view::npos ? 0 : close);
    if (open == std::string_view::npos || close == std::string_view::npos || equals == std::string_view::npos)
        return;
    const std::string_view section = text.substr(open + 1, close - open - 1);
    const auto keyStart = text.find_last_of('\n', equals);
    const std::string_view key = text.substr(keyStart == std::string_view::npos ? 0 : keyStart + 1,
                                             equals - (keyStart == std::string_view::npos ? 0 : keyStart + 1));
    ini.readString(section, key, "");
    ini.readInteger(section, key, -1);
    ini.readBool(section, key, false);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = fuzz::asText(data, size);
    IniFile ini = IniFile::parse(text);
    readFirstEntry(ini, text);
    ini.readInteger("translations", "Count", 0);
    ini.readBool("translation", "IsArabicLatin", false);

    ini.writeInteger("translations", "Count", 7);
    ini.writeString("Settings", "TransFontName", "Arial");
    ini.writeBool("translations", "trl_00Acive", true);
    require(ini.readInteger("translations", "Count", 0) == 7, "a written integer reads back");
    require(ini.readString("SETTINGS", "transfontname", "") == "Arial", "a written string reads back in any case");
    require(ini.readBool("translations", "trl_00Acive", false), "a written boolean reads back");

    const std::string saved = ini.text();
    const IniFile reread = IniFile::parse(saved);
    require(reread.text() == saved, "the written text parses to itself");
    require(reread.readInteger("translations", "Count", 0) == 7, "a written value survives the file");
    return 0;
}
