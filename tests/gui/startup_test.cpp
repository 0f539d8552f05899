#include "gui/ui/main_window.h"

#include "core/base/ini_file.h"
#include "core/app/settings.h"
#include "gui/support/app_folder.h"
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
using tilvane::test::TestAppFolder;
using tilvane::test::writeFile;

namespace {

void showAndClose(TfmMain& window)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.close();
}

TEST(Startup, FirstShowLoadsSettingsAndCloseSavesAllKeys)
{
    TestAppFolder appFolder;
    writeFile(appFolder.iniFile(), "[audio]\r\nVolume=123\r\n[translations]\r\nCount=0\r\n");

    TfmMain window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tilvane"));
    showAndClose(window);

    EXPECT_EQ(AppSet.Volume, 123);
    EXPECT_FALSE(window.isVisible());
    const IniFile saved = IniFile::load(appFolder.iniFile());
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

TEST(Startup, RefusedSettingsWriteIsShownAndWindowStillCloses)
{
    TestAppFolder appFolder;
    // A read-only settings file refuses the write, whoever runs the test.
    tilvane::test::writeFile(appFolder.iniFile(), "[quran]\r\nLastOpenedSura=1\r\n");
    std::filesystem::permissions(appFolder.iniFile(), std::filesystem::perms::owner_read);

    TfmMain window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ErrorCapture capture;
    window.close();

    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(capture.messages(), QStringList{QString::fromStdString("Unable to write to " + appFolder.iniFile())});
}

} // namespace
