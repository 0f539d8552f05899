#include "core/app/app_dirs.h"
#include "core/audio/reciter_layout.h"
#include "core/audio/reciter_summary.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using namespace tilvane;
using tilvane::test::TempFolder;
using tilvane::test::writeFile;

TEST(ReciterSummary, CountsAyaFilesAndCompleteSurasAndSizesWithoutFollowingLinks)
{
    TempFolder folder;
    AppDirs.AudioDir = folder.dir() + "audio/";
    const fs::path qari = reciterFolder("qari");
    writeFile(qari / "audioinit.ini", "[offline]\n");
    for (int aya = 1; aya <= 7; ++aya)
        writeFile(qari / ayaRelativePath(1, aya), "0123456789");
    writeFile(qari / ayaRelativePath(114, 1), "0123456789");
    writeFile(qari / "114" / "114099.mp3", "no such aya"); // past the sura's end: not an aya
    writeFile(qari / "bismillah.mp3", "01234");
    writeFile(folder / "elsewhere" / "002001.mp3", std::string(1000, 'x'));
    fs::create_directories(qari / "002");
    fs::create_symlink(folder / "elsewhere" / "002001.mp3", qari / ayaRelativePath(2, 1));
    writeFile(fs::path(reciterFolder("empty")) / "audioinit.ini", "");

    const std::vector<ReciterSummary> summaries = installedReciterSummaries();
    ASSERT_EQ(summaries.size(), 2u);
    EXPECT_EQ(summaries[0].name, "empty");
    EXPECT_EQ(summaries[0].ayaCount, 0);
    EXPECT_EQ(summaries[1].name, "qari");
    EXPECT_EQ(summaries[1].ayaCount, 8);
    EXPECT_EQ(summaries[1].completeSuraCount, 1);
    EXPECT_EQ(summaries[1].bytes, 8u * 10 + 11 + 5 + 10); // aya files, the stray file, bismillah, the ini
}
