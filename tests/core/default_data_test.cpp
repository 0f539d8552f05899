// Loading the default data that the build makes in build/res.
#include "core/app/app_dirs.h"
#include "core/app/settings.h"
#include "core/quran/quran_loader.h"
#include "core/quran/quran_store.h"
#include "core/quran/translation_selection.h"
#include "core/quran/translation_files.h"
#include "core/quran/translations.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tilvane;
using tilvane::test::TempFolder;

namespace {

class QuietHost : public IQuranLoadHost {
public:
    void createBrowserHosts() override {}
    void loadIndexTree(const std::vector<IndexNode>& nodes) override { indexNodes = nodes.size(); }
    void fillContents(const std::vector<TContentsSura>&) override {}
    void writeStylesheets() override {}
    void showInitialPosition(int, int) override { shown = true; }

    std::size_t indexNodes = 0;
    bool shown = false;
};

} // namespace

TEST(DefaultData, EveryPerAyaListHoldsAllAyatAndEveryPackageIsComplete)
{
    const std::string buildDir = TILVANE_BUILD_DIR;
    ASSERT_TRUE(std::filesystem::exists(buildDir + "/res/lib.tvz")) << "build the tilvane_data target";
    TempFolder temp;
    AppDirs = makeAppDirs(buildDir, temp.dir() + "Tilvane/");
    LibArchive = AppDirs.AppDir + "res/lib.tvz";
    LibinaArchive = AppDirs.AppDir + "res/libina.tvz";
    IniFileName = temp.dir() + "Tilvane.ini"; // never the build's own settings file
    AppSet = TAppSet{};
    QuietHost host;
    LoadQuranData(host);

    EXPECT_TRUE(host.shown);
    EXPECT_GT(host.indexNodes, 0u);
    EXPECT_EQ(QuranUthmani.size(), 6236u);
    EXPECT_EQ(InaTran.size(), 6236u);
    EXPECT_EQ(InaLatn.size(), 6236u);
    EXPECT_EQ(NumAr.size(), 10u);
    EXPECT_EQ(SuraNameAr.size(), 114u);
    EXPECT_EQ(InaSura.size(), 114u);
    EXPECT_FALSE(SuraWordAr.empty());

    // Every installed package, made active, loads a full aya file without a problem.
    ASSERT_GT(Translations.size(), 2u);
    std::vector<TransListLine> lines = listTranslationSelection();
    for (TransListLine& line : lines)
        line.checked = true;
    applyTranslationSelection(lines);
    LoadActiveTranslations();
    EXPECT_TRUE(takeTranslationProblems().empty());
    for (const ActiveTranslation& active : activeTranslationIndexes()) {
        if (active.catalogueIndex < kFirstPackage)
            continue;
        EXPECT_EQ(TransAyaLists[static_cast<std::size_t>(active.slot)].size(), 6236u)
            << Translations[static_cast<std::size_t>(active.catalogueIndex)].TransName;
        EXPECT_EQ(TransSuraLists[static_cast<std::size_t>(active.slot)].size(), 114u)
            << Translations[static_cast<std::size_t>(active.catalogueIndex)].TransName;
    }
    FreeQuranData();
}
