// A translation package's descriptor: any _transinit.ini fills an entry whose texts are cut
// to the catalogue's length and whose files are named from inside the package folder.
#include "fuzz_support.h"

#include "core/quran/short_string.h"
#include "core/quran/translations.h"

#include <fstream>

using namespace tilvane;
using tilvane::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::filesystem::path package = [] {
        const std::filesystem::path folder = fuzz::scratchFolder() / "trans" / "package";
        std::filesystem::create_directories(folder);
        return folder;
    }();
    {
        std::ofstream out(package / "_transinit.ini", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    TTranslation entry;
    ReadTransInit(entry, package.string() + "/");
    for (const std::string* text : {&entry.TransName, &entry.FullName, &entry.Language, &entry.Translator,
                                    &entry.Author, &entry.Copyright})
        require(text->size() <= kCatalogueTextLength, "catalogue texts are cut to their length");
    require(entry.PackageFolder == package.string(), "the entry keeps its package folder without a separator");
    const std::string prefix = package.string() + "/";
    require(entry.SuraNameFile.compare(0, prefix.size(), prefix) == 0, "the sura name file is named from the package");
    require(entry.AyaNameFile.compare(0, prefix.size(), prefix) == 0, "the aya file is named from the package");
    require(entry.ListIndex == -1, "a new entry is not listed");
    return 0;
}
