#include "beside_floor.h"
#include "cases.h"
#include "reader_setup.h"

#include "core/app/settings.h"
#include "core/quran/quran_store.h"
#include "core/render/page_host.h"
#include "core/render/sura_page.h"
#include "core/tajweed/tajweed_annotator.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace tilvane::bench {

namespace {

class NoWindowPageHost : public IPageHost {
public:
    void clearDocLoaded() override {}
    void navigateQuranPage(const std::string&) override {}
    void clearBismillahDone() override {}
};

// Annotating every aya of the loaded text; floor: reading every byte of it once.
void registerWholeQuran()
{
    registerBesideFloor("Tajweed/annotate-whole-Quran", [](benchmark::State& state) {
        std::vector<char> copy;
        measureBesideFloor(
            state,
            [] {
                std::size_t letters = 0;
                for (const std::string& aya : QuranUthmani)
                    letters += annotateTajweed(aya).size();
                benchmark::DoNotOptimize(letters);
            },
            [&copy] {
                for (const std::string& aya : QuranUthmani) {
                    copy.resize(aya.size());
                    std::memcpy(copy.data(), aya.data(), aya.size());
                    benchmark::DoNotOptimize(copy.data());
                }
            });
    });
}

// The page of sura 2 with the colours on; floor: the same page with them off, so the ratio
// is what the colours cost.
void registerColouredPage(std::uint8_t viewStyle)
{
    const std::string name = "BuildSuraPage/2/view" + std::to_string(viewStyle) + "/built-in/tajweed-on-beside-off";
    registerBesideFloor(name, [viewStyle](benchmark::State& state) {
        AppSet.ViewStyle = viewStyle;
        selectTranslations(TranslationSet::BuiltIn);
        NoWindowPageHost host;
        measureBesideFloor(
            state,
            [&host] {
                AppSet.Tajweed = true;
                BuildSuraPage(2, host);
            },
            [&host] {
                AppSet.Tajweed = false;
                BuildSuraPage(2, host);
            });
        AppSet.Tajweed = false;
    });
}

} // namespace

void registerTajweedCases()
{
    registerWholeQuran();
    registerColouredPage(0);
    registerColouredPage(1);
}

} // namespace tilvane::bench
