// scripts/make-test-recitation.sh: the synthetic recitation other tests play.
#include "data_fixture.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace tilvane::test {
namespace {

std::string scriptCommand(const std::filesystem::path& out)
{
    return "bash " + shellQuote(std::string(TILVANE_SOURCE_DIR) + "/scripts/make-test-recitation.sh")
        + " " + shellQuote(out.string());
}

std::string ayaFile(int sura, int aya)
{
    char name[32];
    std::snprintf(name, sizeof name, "%03d/%03d%03d.mp3", sura, sura, aya);
    return name;
}

bool looksLikeShortMp3(const std::string& bytes)
{
    const bool frameSync = bytes.size() > 2 && static_cast<unsigned char>(bytes[0]) == 0xFF
        && (static_cast<unsigned char>(bytes[1]) & 0xE0) == 0xE0;
    return (frameSync || bytes.starts_with("ID3")) && bytes.size() < 16000;
}

TEST(TestRecitation, HoldsTheDescriptorFormulasAndAyatOfFourSuras)
{
    TempFolder out;
    const auto result = runCommand(scriptCommand(out.path()));
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const auto folder = out.path() / "synthetic";
    EXPECT_EQ(readFile(folder / "audioinit.ini"),
              "[offline]\r\nURL=" + folder.string() + "/\r\n");

    std::vector<std::string> expected = {"audhubillah.mp3", "bismillah.mp3", "bismillah2.mp3",
                                         "sadaghallah.mp3"};
    for (const auto& [sura, last] : std::vector<std::pair<int, int>> {{1, 7}, {2, 5}, {9, 129}, {114, 6}})
        for (int aya = 1; aya <= last; ++aya)
            expected.push_back(ayaFile(sura, aya));
    for (const std::string& file : expected)
        EXPECT_TRUE(looksLikeShortMp3(readFile(folder / file))) << file;
    EXPECT_FALSE(std::filesystem::exists(folder / ayaFile(2, 6)));
}

TEST(TestRecitation, SecondRunKeepsTheFilesItFinds)
{
    TempFolder out;
    ASSERT_EQ(runCommand(scriptCommand(out.path())).exitCode, 0);
    const auto file = out.path() / "synthetic" / ayaFile(9, 129);
    const auto written = std::filesystem::last_write_time(file);
    const auto descriptorWritten =
        std::filesystem::last_write_time(out.path() / "synthetic/audioinit.ini");
    ASSERT_EQ(runCommand(scriptCommand(out.path())).exitCode, 0);
    EXPECT_EQ(std::filesystem::last_write_time(file), written);
    EXPECT_EQ(std::filesystem::last_write_time(out.path() / "synthetic/audioinit.ini"),
              descriptorWritten);
}

TEST(TestRecitation, RefusesTheShippedAudioFolder)
{
    TempFolder out;
    const auto audio = out.path() / "res/audio";
    std::filesystem::create_directories(audio);
    const auto result = runCommand(scriptCommand(audio));
    EXPECT_NE(result.exitCode, 0);
    EXPECT_TRUE(std::filesystem::is_empty(audio)) << result.output;
}

} // namespace
} // namespace tilvane::test
