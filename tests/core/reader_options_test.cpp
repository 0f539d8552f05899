#include "core/app/reader_options.h"
#include "core/render/aya_copy.h"

#include <gtest/gtest.h>

using namespace tilvane;

TEST(ReaderOptions, GotoTakesOnlyAyatThatExistAndLeavesTheToolkitsArgumentsAlone)
{
    const struct {
        std::vector<std::string> args;
        std::optional<TQuranPos> gotoPos;
        std::string appDir;
        std::string problem;
    } cases[] = {
        {{}, std::nullopt, "", ""},
        {{"--goto", "2:255"}, TQuranPos{2, 255}, "", ""},
        {{"-platform", "offscreen", "--app-dir", "/x/", "--goto", "114:6"}, TQuranPos{114, 6}, "/x/", ""},
        {{"--goto", "2:287"}, std::nullopt, "", "not an aya of the Quran (SURA:AYA): 2:287"},
        {{"--goto", "0:1"}, std::nullopt, "", "not an aya of the Quran (SURA:AYA): 0:1"},
        {{"--goto", "2-255"}, std::nullopt, "", "not an aya of the Quran (SURA:AYA): 2-255"},
        {{"--goto", "2:25x"}, std::nullopt, "", "not an aya of the Quran (SURA:AYA): 2:25x"},
        {{"--goto"}, std::nullopt, "", "--goto needs a value"},
    };
    for (const auto& c : cases) {
        const ReaderOptions options = parseReaderOptions(c.args);
        EXPECT_EQ(options.gotoPos, c.gotoPos) << c.problem;
        EXPECT_EQ(options.appDir, c.appDir);
        EXPECT_EQ(options.problem, c.problem);
    }
}

TEST(AyaCopy, PageTextBecomesPlainTextWithoutFootnoteMarksAndAReferenceNamesTheSura)
{
    EXPECT_EQ(plainFromPageText("Segala puji<sup><b>[1]</b></sup> bagi  Allah,\r Tuhan &amp; <i>semesta</i>&nbsp;alam."),
              "Segala puji bagi Allah, Tuhan & semesta alam.");
    EXPECT_EQ(plainFromPageText("tanpa tutup <sup>[2"), "tanpa tutup");
    EXPECT_EQ(ayaReference({2, 255}), "QS. Al-Baqarah [2]: 255");
    EXPECT_EQ(ayaReference({33, 1}), "QS. Al-Ahzaab [33]: 1");
    EXPECT_TRUE(composeAyaCopy({2, 287}).plainText.empty());
}
