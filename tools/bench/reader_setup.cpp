#include "reader_setup.h"

#include "core/app/app_dirs.h"
#include "core/app/paths.h"
#include "core/app/settings.h"
#include "core/quran/translations.h"
#include "core/render/stylesheets.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace tilvane::bench {

namespace {

std::string makeRoot()
{
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/tilvane-bench-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a scratch folder from " + pattern);
    return pattern;
}

} // namespace

ScratchFolders::ScratchFolders() : m_root(makeRoot())
{
    std::filesystem::create_directories(m_root + "/tmp");
    std::filesystem::create_directories(m_root + "/data");
    setenv("TMPDIR", (m_root + "/tmp").c_str(), 1);
    setenv("XDG_DATA_HOME", (m_root + "/data").c_str(), 1);
}

ScratchFolders::~ScratchFolders()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
}

void BenchLoadHost::writeStylesheets()
{
    WriteAllStylesheets();
}

void startReader(const std::string& scratch)
{
    InitAppDirs(executableDir());
    if (!std::filesystem::exists(LibArchive))
        throw std::runtime_error(LibArchive + " is missing: build the default data (scripts/setup.sh)");
    IniFileName = scratch + "/Tilvane.ini"; // never the build's own settings file
    LoadSettings();
    BenchLoadHost host;
    LoadQuranData(host);
}

void writeReaderSettings(const std::string& iniPath, TranslationSet set)
{
    InitAppDirs(executableDir());
    IniFileName = iniPath;
    std::ofstream(iniPath) << "[quran]\r\nLastOpenedSura=1\r\nLastOpenedAya=1\r\n";
    if (set == TranslationSet::BuiltIn)
        return;
    LoadTranslationCatalogue();
    selectTranslations(set);
}

void selectTranslations(TranslationSet set)
{
    TransSlots.clear();
    for (const char* builtIn : {"Indonesian_Footnote", "Indonesian_Latin"})
        TransSlots.push_back(TTransSlot{static_cast<int>(TransSlots.size()), builtIn, true});
    const std::size_t packages = set == TranslationSet::TenPackages ? 10 : set == TranslationSet::FivePackages ? 5 : 0;
    if (packages > 0) {
        if (Translations.size() < kFirstPackage + packages)
            throw std::runtime_error(std::to_string(packages) + " translation packages are needed in " + AppDirs.TransDir);
        for (std::size_t i = 0; i < packages; ++i)
            TransSlots.push_back(TTransSlot{static_cast<int>(TransSlots.size()), Translations[kFirstPackage + i].TransName, true});
    }
    SaveTranslationSlots();
    LoadTranslationCatalogue();
}

} // namespace tilvane::bench
