#include "core/search/search_sources.h"

#include "core/app/app_dirs.h"
#include "core/base/archive.h"
#include "core/base/errors.h"
#include "core/quran/quran_store.h"
#include "core/quran/sura_table.h"
#include "core/quran/translation_files.h"
#include "core/quran/translations.h"

#include <memory>
#include <sys/stat.h>

namespace tilvane {

namespace {

// Any change of the file (another inode, size or modification time) changes its stamp, the
// rule the page builder uses for package files too.
std::string fileStamp(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return path + "|missing";
    return path + "|" + std::to_string(info.st_dev) + "|" + std::to_string(info.st_ino) + "|"
        + std::to_string(info.st_size) + "|" + std::to_string(info.st_mtim.tv_sec) + "."
        + std::to_string(info.st_mtim.tv_nsec);
}

bool isFirstAyaOfSura(int globalAya)
{
    for (int sura = 1; sura <= kSuraCount; ++sura) {
        if (SuraTable[sura].FirstAya == globalAya)
            return true;
    }
    return false;
}

std::vector<std::string> arabicAyat(const LineList& lines)
{
    std::vector<std::string> ayat = lines.lines();
    const std::string bismillah = lines.lineOrEmpty(0);
    for (std::size_t k = 1; k < ayat.size(); ++k)
        ayat[k] = ayaWithoutBismillah(ayat[k], bismillah, static_cast<int>(k + 1));
    return ayat;
}

// Search reads a package's aya file only where the page builder would.
std::vector<std::string> packageAyat(const TTranslation& entry)
{
    if (namesFileOutsidePackage(entry, entry.AyaNameFile))
        throw TilvaneError("The translation \"" + entry.FullName + "\" names the file \"" + entry.AyaNameFile
                           + "\" outside its package folder; search leaves it out.");
    return LineList::loadFromFile(entry.AyaNameFile).lines();
}

constexpr char kArabicSource[] = "builtin:Arabic";

// The folder, unlike the name a package gives itself, is unique.
std::string sourceNameOf(std::size_t catalogueIndex)
{
    const TTranslation& entry = Translations[catalogueIndex];
    if (static_cast<int>(catalogueIndex) < kFirstPackage)
        return "builtin:" + entry.TransName;
    return "package:" + entry.PackageFolder;
}

} // namespace

std::string ayaWithoutBismillah(const std::string& line, const std::string& bismillah, int globalAya)
{
    const std::string opening = bismillah + " ";
    if (globalAya > 1 && !bismillah.empty() && line.starts_with(opening) && isFirstAyaOfSura(globalAya))
        return line.substr(opening.size());
    return line;
}

BuiltInTexts textStoreTexts()
{
    return {[arabic = QuranUthmani] { return arabic; }, [latin = InaLatn] { return latin; },
            [translation = InaTran] { return translation; }};
}

BuiltInTexts archiveTexts()
{
    // Each archive is unpacked once, by the first text that needs it.
    auto libDone = std::make_shared<bool>(false);
    auto libinaDone = std::make_shared<bool>(false);
    auto fromLib = [libDone](const std::string& file) {
        // Files left in the working folder by an earlier run must not stand in for the archive.
        if (!*libDone) {
            if (const ExtractResult result = ExtractArchive(LibArchive, AppDirs.TempDir); !result)
                throwExtractFailure(result, LibArchive);
        }
        *libDone = true;
        return LineList::loadFromFile(AppDirs.LibDir + file);
    };
    auto fromLibina = [libinaDone](const std::string& file) {
        if (!*libinaDone) {
            if (const ExtractResult result = ExtractArchive(LibinaArchive, AppDirs.TempResDir); !result)
                throwExtractFailure(result, LibinaArchive);
        }
        *libinaDone = true;
        return LineList::loadFromFile(AppDirs.LibinaDir + file);
    };
    return {[fromLib] { return fromLib("quran_uthman/quran_uthmani.txt"); },
            [fromLibina] { return fromLibina("ina_latn.txt"); },
            [fromLibina] { return fromLibina("ina_tran.txt"); }};
}

std::vector<SearchSource> searchSources(const BuiltInTexts& builtIn)
{
    const std::string archives = fileStamp(LibArchive) + "|" + fileStamp(LibinaArchive);
    std::vector<SearchSource> sources;
    sources.push_back({kArabicSource, "Arabic", kFieldArabic, archives, [builtIn] { return arabicAyat(builtIn.arabic()); }, true});
    for (std::size_t k = 0; k < Translations.size(); ++k) {
        const TTranslation& entry = Translations[k];
        const int field = entry.IsArabicLatin ? kFieldLatin : kFieldTranslation;
        if (static_cast<int>(k) == kBuiltInLatin) {
            sources.push_back({sourceNameOf(k), entry.FullName, field, archives,
                               [builtIn] { return builtIn.latin().lines(); }, true});
        } else if (static_cast<int>(k) == kBuiltInFootnote) {
            sources.push_back({sourceNameOf(k), entry.FullName, field, archives,
                               [builtIn] { return builtIn.translation().lines(); }, true});
        } else {
            sources.push_back({sourceNameOf(k), entry.FullName, field, fileStamp(entry.AyaNameFile),
                               [entry] { return packageAyat(entry); }});
        }
    }
    return sources;
}

std::vector<std::string> activeSourceNames()
{
    std::vector<std::string> names{kArabicSource};
    for (const ActiveTranslation& active : activeTranslationIndexes())
        names.push_back(sourceNameOf(static_cast<std::size_t>(active.catalogueIndex)));
    return names;
}

} // namespace tilvane
