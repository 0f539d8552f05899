#include "core/quran/quran_loader.h"

#include "core/app/app_dirs.h"
#include "core/base/archive.h"
#include "core/app/paths.h"
#include "core/app/settings.h"
#include "core/quran/quran_font.h"
#include "core/quran/quran_store.h"
#include "core/quran/translations.h"

#include <filesystem>
#include <future>

namespace tilvane {

namespace {

// The data files are needed only in memory; removing them keeps the working folder small.
LineList loadAndDelete(const std::string& path)
{
    LineList lines = LineList::loadFromFile(path);
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return lines;
}

void loadDataFiles()
{
    const std::string& lib = AppDirs.LibDir;
    const std::string& libina = AppDirs.LibinaDir;
    NumAr = loadAndDelete(lib + "num_ar.txt");
    SuraWordAr = loadAndDelete(lib + "suraarb.txt").lineOrEmpty(0);
    SuraNameAr = loadAndDelete(lib + "suraname_ar.txt");
    QuranUthmani = loadAndDelete(lib + "quran_uthman/quran_uthmani.txt");
    std::error_code ignored;
    std::filesystem::remove_all(lib + "quran_uthman", ignored);
    InaSura = loadAndDelete(libina + "ina_sura.txt");
    InaTran = loadAndDelete(libina + "ina_tran.txt");
    InaFoot = loadAndDelete(libina + "ina_foot.txt");
    InaLatn = loadAndDelete(libina + "ina_latn.txt");
}

} // namespace

void LoadQuranData(IQuranLoadHost& host)
{
    host.createBrowserHosts();
    clearQuranStore();

    // The two archives unpack into separate folders, side by side: start-up waits for the
    // slower one only. A missing or damaged archive stops loading with a message naming it,
    // so that nothing damaged is ever shown.
    auto libina = std::async(std::launch::async, [] { return ExtractArchive(LibinaArchive, AppDirs.TempResDir); });
    const ExtractResult lib = ExtractArchive(LibArchive, AppDirs.TempDir);
    const ExtractResult ina = libina.get();
    throwExtractFailure(lib, LibArchive);
    throwExtractFailure(ina, LibinaArchive);

    host.loadIndexTree(loadIndexTree(AppDirs.LibinaDir));
    host.fillContents(contentsTree());
    LoadTranslationCatalogue();
    host.writeStylesheets();
    loadDataFiles();
    PageFootnotes.clear();
    installQuranFont(AppDirs.LibDir, userFontDir());
    host.showInitialPosition(AppSet.LastOpenedSura, AppSet.LastOpenedAya);
}

void FreeQuranData()
{
    clearQuranStore();
    TransSuraLists.clear();
    TransAyaLists.clear();
}

} // namespace tilvane
