#include "gui/ui/main_window.h"

#include "core/app/app_dirs.h"
#include "core/app/ini_file.h"
#include "core/app/settings.h"
#include "gui/support/gui_app.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <QTest>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

using namespace tilvane;
using tilvane::test::ErrorCapture;
using tilvane::test::guiApp;
using tilvane::test::TempFolder;
using tilvane::test::writeFile;

namespace {

// The working folders and settings for an application folder of the test's own.
void startIn(const std::string& appDir)
{
    guiApp();
    ResetAppDirsForTesting();
    InitAppDirs(appDir);
    AppSet = TAppSet{};
}

void showAndClose(TfmMain& window)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.close();
}

TEST(Startup, FirstShowLoadsSettingsAndCloseSavesAllKeys)
{
    TempFolder appFolder;
    startIn(appFolder.dir());
    writeFile(IniFileName, "[audio]\r\nVolume=123\r\n[translations]\r\nCount=0\r\n");

    TfmMain window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tilvane"));
    showAndClose(window);

    EXPECT_EQ(AppSet.Volume, 123);
    EXPECT_FALSE(window.isVisible());
    const IniFile saved = IniFile::load(IniFileName);
    const std::vector<std::pair<const char*, const char*>> keys = {
        {"fonts", "ArabicFontSize"}, {"fonts", "ArabicFontColor"}, {"fonts", "ArabicLatinFontColor"},
        {"fonts", "TransFontName"},  {"fonts", "TransFontSize"},   {"fonts", "TransFontColor"},
        {"quran", "ViewStyle"},      {"quran", "LastOpenedSura"},  {"quran", "LastOpenedAya"},
        {"audio", "IsMuted"},        {"audio", "IsPlayContinue"},  {"audio", "Volume"},
        {"audio", "Reciter"},
    };
    for (const auto& [section, key] : keys)
        EXPECT_TRUE(saved.value(section, key).has_value()) << section << "/" << key;
    EXPECT_EQ(saved.value("audio", "Volume"), "123");
    EXPECT_EQ(saved.value("translations", "Count"), "0");
}

TEST(Startup, StartsWithWorkingFoldersCreated)
{
    TempFolder appFolder;
    startIn(appFolder.dir());

    for (const std::string* folder : {&AppDirs.TempDir, &AppDirs.LibDir, &AppDirs.CssDir, &AppDirs.SuraDir,
                                      &AppDirs.TempResDir, &AppDirs.LibinaDir, &AppDirs.AzDir,
                                      &AppDirs.InaazfmtDir})
        EXPECT_TRUE(std::filesystem::is_directory(*folder)) << *folder;
}

TEST(Startup, RefusedSettingsWriteIsShownAndWindowStillCloses)
{
    TempFolder temp;
    const std::string missingAppDir = temp.dir() + "no-such-folder/";
    startIn(missingAppDir);
    ErrorCapture capture;

    TfmMain window;
    showAndClose(window);

    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(capture.messages(),
              QStringList{QString::fromStdString("Unable to write to " + missingAppDir + "Tilvane.ini")});
}

} // namespace
