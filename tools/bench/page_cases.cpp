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
#include <functional>
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

void writeFloor(benchmark::State& state, const std::vector<WrittenFile>& files)
{
    for (auto _ : state) {
        for (const WrittenFile& file : files)
            writeBytes(file.path, floorBytes(file.size), file.size);
    }
}

void registerPair(const std::string& name, std::function<void(benchmark::State&)> run,
                  std::function<void(benchmark::State&)> floor)
{
    benchmark::RegisterBenchmark(name.c_str(), std::move(run))->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark((name + kFloorSuffix).c_str(), std::move(floor))
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

void registerSuraPage(const PageSetting& setting)
{
    const std::string name = "BuildSuraPage/" + std::to_string(kLargestSura) + "/view"
        + std::to_string(setting.viewStyle)
        + (setting.translations == TranslationSet::BuiltIn ? "/built-in" : "/five-packages");
    registerPair(
        name,
        [setting](benchmark::State& state) {
            applySetting(setting);
            NoWindowPageHost host;
            for (auto _ : state)
                BuildSuraPage(kLargestSura, host);
        },
        [setting](benchmark::State& state) {
            applySetting(setting);
            writeFloor(state, {pageFile(kLargestSura)});
        });
}

void registerAllPages()
{
    const PageSetting setting{0, TranslationSet::BuiltIn};
    registerPair(
        "BuildSuraPage/all/view0/built-in",
        [setting](benchmark::State& state) {
            applySetting(setting);
            NoWindowPageHost host;
            for (auto _ : state) {
                for (int sura = 1; sura <= kSuraCount; ++sura)
                    BuildSuraPage(sura, host);
            }
        },
        [setting](benchmark::State& state) {
            applySetting(setting);
            std::vector<WrittenFile> files;
            for (int sura = 1; sura <= kSuraCount; ++sura)
                files.push_back(pageFile(sura));
            writeFloor(state, files);
        });
}

void registerCommonCss()
{
    registerPair(
        "WriteCommonCss",
        [](benchmark::State& state) {
            for (auto _ : state)
                WriteCommonCss();
        },
        [](benchmark::State& state) {
            WriteCommonCss();
            writeFloor(state, {{CommonCssFile, static_cast<std::size_t>(std::filesystem::file_size(CommonCssFile))}});
        });
}

} // namespace

void registerPageCases()
{
    for (TranslationSet translations : {TranslationSet::BuiltIn, TranslationSet::FivePackages}) {
        for (std::uint8_t viewStyle = 0; viewStyle <= 3; ++viewStyle)
            registerSuraPage({viewStyle, translations});
    }
    registerAllPages();
    registerCommonCss();
}

} // namespace tilvane::bench
