#include "core/audio/reciter_catalogue.h"

#include "core/app/app_dirs.h"
#include "core/audio/reciter_layout.h"
#include "core/base/ini_file.h"

#include <algorithm>

namespace tilvane {

namespace {

constexpr std::uint64_t kBytesPerMegabyte = 1000 * 1000;

bool isWebAddress(const std::string& url)
{
    return url.rfind("http://", 0) == 0 || url.rfind("https://", 0) == 0;
}

} // namespace

std::string reciterCatalogueFile()
{
    return AppDirs.ResDir + "reciters.ini";
}

std::vector<CatalogueEntry> loadReciterCatalogue(const std::string& path)
{
    const IniFile file = IniFile::load(path);
    std::vector<CatalogueEntry> entries;
    for (const std::string& section : file.sections()) {
        CatalogueEntry entry;
        entry.name = section;
        entry.url = file.readString(section, "Url", "");
        if (!isValidReciterName(entry.name) || !isWebAddress(entry.url))
            continue;
        if (entry.url.back() != '/')
            entry.url += '/';
        entry.reciter = file.readString(section, "Reciter", entry.name);
        entry.style = file.readString(section, "Style", "");
        entry.bitrateKbps = std::max(0, file.readInteger(section, "Bitrate", 0));
        entry.approximateBytes = static_cast<std::uint64_t>(std::max(0, file.readInteger(section, "SizeMB", 0)))
            * kBytesPerMegabyte;
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace tilvane
