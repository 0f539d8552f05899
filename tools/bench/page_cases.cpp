#include "beside_floor.h"
#include "cases.h"
#include "floor_io.h"
#include "reader_setup.h"

#include "core/app/app_dirs.h"
#include "core/app/settings.h"
#include "core/quran/sura_table.h"
#include "core/render/page_host.h"
#include "core/render/stylesheets.h"
#include "core/render/sura_page.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tilvane::bench {

namespace {

constexpr int kLargestSura = 2;

class NoWindowPageHost : public IPageHost {
public:
    void clearDocLoaded() override {}
    void navigateQuranPage(const std::string&) override {}
    void clearBismillahDone() override {}
};

struct PageSetting {
    std::uint8_t viewStyle;
    TranslationSet translations;
};

void applySetting(const PageSetting& setting)
{
    AppSet.ViewStyle = setting.viewStyle;
    selectTranslations(setting.translations);
}

// The files and sizes a step writes, found by running it once.
struct WrittenFile {
    std::string path;
    std::size_t size;
};

WrittenFile pageFile(int sura)
{
    NoWindowPageHost host;
    const std::string path = BuildSuraPage(sura, host);
    return {path, static_cast<std::size_t>(std::filesystem::file_size(path))};
}

void writeFloor(const std::vector<WrittenFile>& files)
{
    for (const WrittenFile& file : files)
        writeBytes(file.path, floorBytes(file.size), file.size);
}

// The floor writes the same files the case writes, so both meet the same file state.
void registerSuraPage(const PageSetting& setting)
{
    const std::string name = "BuildSuraPage/" + std::to_string(kLargestSura) + "/view"
        + std::to_string(setting.viewStyle)
        + (setting.translations == TranslationSet::BuiltIn       ? "/built-in"
               : setting.translations == TranslationSet::FivePackages ? "/five-packages"
                                                                      : "/ten-packages");
    registerBesideFloor(name, [setting](benchmark::State& state) {
        applySetting(setting);
        NoWindowPageHost host;
        const std::vector<WrittenFile> files{pageFile(kLargestSura)};
        measureBesideFloor(state, [&host] { BuildSuraPage(kLargestSura, host); }, [&files] { writeFloor(files); });
    });
}

void registerAllPages()
{
    const PageSetting setting{0, TranslationSet::BuiltIn};
    registerBesideFloor("BuildSuraPage/all/view0/built-in", [setting](benchmark::State& state) {
        applySetting(setting);
        NoWindowPageHost host;
        std::vector<WrittenFile> files;
        for (int sura = 1; sura <= kSuraCount; ++sura)
            files.push_back(pageFile(sura));
        measureBesideFloor(
            state,
            [&host] {
                for (int sura = 1; sura <= kSuraCount; ++sura)
                    BuildSuraPage(sura, host);
            },
            [&files] { writeFloor(files); });
    });
}

void registerCommonCss()
{
    registerBesideFloor("WriteCommonCss", [](benchmark::State& state) {
        WriteCommonCss();
        const std::vector<WrittenFile> files{
            {CommonCssFile, static_cast<std::size_t>(std::filesystem::file_size(CommonCssFile))}};
        measureBesideFloor(state, [] { WriteCommonCss(); }, [&files] { writeFloor(files); });
    });
}

} // namespace

void registerPageCases()
{
    for (TranslationSet translations : {TranslationSet::BuiltIn, TranslationSet::FivePackages}) {
        for (std::uint8_t viewStyle = 0; viewStyle <= 3; ++viewStyle)
            registerSuraPage({viewStyle, translations});
    }
    registerSuraPage({0, TranslationSet::TenPackages});
    registerAllPages();
    registerCommonCss();
}

} // namespace tilvane::bench
