#include "core/app/app_dirs.h"
#include "core/app/window_state.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace tilvane;
using tilvane::test::readFile;
using tilvane::test::TempFolder;
using tilvane::test::writeFile;

TEST(WindowState, ClampingKeepsTheWindowWhollyOnTheScreenItOverlapsMost)
{
    const std::vector<WindowRect> screens = {{0, 0, 1920, 1040}, {1920, 0, 1280, 1024}};
    const struct {
        WindowRect frame, expected;
        const char* why;
    } cases[] = {
        {{100, 100, 915, 614}, {100, 100, 915, 614}, "already inside"},
        {{3000, 500, 915, 614}, {2285, 410, 915, 614}, "past the right edge of the second screen"},
        {{5000, 5000, 800, 600}, {1120, 440, 800, 600}, "on no screen: the primary one"},
        {{-50, -30, 4000, 3000}, {0, 0, 1920, 1040}, "larger than any screen"},
        {{1800, 10, 915, 614}, {1920, 10, 915, 614}, "mostly on the second screen"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(clampToScreens(c.frame, screens), c.expected) << c.why;
}

TEST(WindowState, WindowAndPositionSavesKeepTheRestOfTheFile)
{
    TempFolder folder;
    IniFileName = (folder / "Tilvane.ini").string();
    writeFile(IniFileName, "[fonts]\r\nArabicFontSize=20\r\n[quran]\r\nViewStyle=2\r\nLastOpenedSura=1\r\n");
    EXPECT_FALSE(LoadWindowState());

    const WindowState state{{10, 20, 700, 500}, true, {480, 220}};
    SaveWindowState(state);
    SaveReadingPosition({2, 255});
    EXPECT_EQ(LoadWindowState(), state);
    EXPECT_EQ(readFile(IniFileName), "[fonts]\r\nArabicFontSize=20\r\n[quran]\r\nViewStyle=2\r\nLastOpenedSura=2\r\n"
                                     "LastOpenedAya=255\r\n[window]\r\nLeft=10\r\nTop=20\r\nWidth=700\r\nHeight=500\r\n"
                                     "Maximized=1\r\nSplitter=480,220\r\n");

    writeFile(IniFileName, "[window]\r\nLeft=1\r\nTop=2\r\nWidth=0\r\nHeight=300\r\n");
    EXPECT_FALSE(LoadWindowState());
}
