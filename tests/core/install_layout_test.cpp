#include "core/app/app_dirs.h"
#include "core/app/install_layout.h"
#include "core/quran/translations.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

using namespace tilvane;
using tilvane::test::readFile;
using tilvane::test::TempFolder;
using tilvane::test::writeFile;

namespace fs = std::filesystem;

namespace {

// Sets (or unsets) an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

} // namespace

TEST(InstallLayout, DependsOnWhatLiesBesideAndAboveTheExecutable)
{
    const struct {
        const char* name;
        bool resBesideExe;
        bool sharedData;
        bool installed;
    } cases[] = {
        {"build folder", true, false, false},
        {"portable copy inside a prefix-like tree", true, true, false},
        {"installed prefix", false, true, true},
        {"bare folder", false, false, false},
    };
    for (const auto& c : cases) {
        TempFolder root;
        const std::string exeDir = root.dir() + "bin/";
        fs::create_directories(exeDir);
        if (c.resBesideExe)
            fs::create_directories(exeDir + "res");
        if (c.sharedData)
            fs::create_directories(root.dir() + "share/tilvane");
        const UserFolders user{"/home/u/cfg/", "/home/u/data"};

        const InstallLayout layout = DetectInstallLayout(exeDir, user);
        EXPECT_EQ(layout.Installed, c.installed) << c.name;
        if (c.installed) {
            EXPECT_EQ(layout.AppDir, root.dir() + "share/tilvane/") << c.name;
            EXPECT_EQ(layout.IniFileName, "/home/u/cfg/tilvane/Tilvane.ini") << c.name;
            EXPECT_EQ(layout.AudioDir, "/home/u/data/tilvane/audio/") << c.name;
            EXPECT_EQ(layout.UserTransDir, "/home/u/data/tilvane/trans/") << c.name;
            EXPECT_EQ(layout.DefaultIniFile, root.dir() + "share/tilvane/Tilvane.ini") << c.name;
        } else {
            EXPECT_EQ(layout.AppDir, exeDir) << c.name;
            EXPECT_EQ(layout.IniFileName, exeDir + "Tilvane.ini") << c.name;
            EXPECT_EQ(layout.AudioDir, exeDir + "res/audio/") << c.name;
            EXPECT_EQ(layout.UserTransDir, "") << c.name;
        }
    }
}

TEST(InstallLayout, UserFoldersFollowTheXdgVariablesOrHome)
{
    const struct {
        std::optional<std::string> config;
        std::optional<std::string> data;
        const char* wantConfig;
        const char* wantData;
    } cases[] = {
        {"/x/config", "/x/data/", "/x/config/", "/x/data/"},
        {std::nullopt, std::nullopt, "/home/t/.config/", "/home/t/.local/share/"},
        {"relative/config", "", "/home/t/.config/", "/home/t/.local/share/"},
    };
    const ScopedEnv home("HOME", "/home/t");
    for (const auto& c : cases) {
        const ScopedEnv config("XDG_CONFIG_HOME", c.config);
        const ScopedEnv data("XDG_DATA_HOME", c.data);
        const UserFolders user = userFoldersFromEnvironment();
        EXPECT_EQ(user.ConfigHome, c.wantConfig);
        EXPECT_EQ(user.DataHome, c.wantData);
    }
}

// An installed reader's first start: the shipped settings are copied once, never over the
// user's, and the user's translation packages join (and may replace) the shipped ones.
TEST(InstallLayout, InstalledStartUsesTheUsersFolders)
{
    TempFolder prefix;
    TempFolder home;
    const std::string share = prefix.dir() + "share/tilvane/";
    writeFile(share + "Tilvane.ini", "[translations]\r\nCount=0\r\n");
    fs::create_directories(prefix.dir() + "bin");
    for (const auto& [folder, name] : {std::pair{share + "res/trans/shipped/", "Shipped"},
                                       std::pair{share + "res/trans/both/", "OldCopy"},
                                       std::pair{home.dir() + "data/tilvane/trans/both/", "NewCopy"},
                                       std::pair{home.dir() + "data/tilvane/trans/mine/", "Mine"}})
        writeFile(folder + "_transinit.ini", std::string("[translation]\r\nTransName=") + name + "\r\n");
    const InstallLayout layout = DetectInstallLayout(prefix.dir() + "bin/", {home.dir() + "config/", home.dir() + "data/"});

    for (const char* userText : {"", "[quran]\r\nLastOpenedSura=5\r\n"}) {
        ResetAppDirsForTesting();
        if (*userText != '\0')
            writeFile(layout.IniFileName, userText);
        InitAppDirs(layout);
        EXPECT_EQ(IniFileName, home.dir() + "config/tilvane/Tilvane.ini");
        EXPECT_EQ(readFile(IniFileName), *userText != '\0' ? userText : "[translations]\r\nCount=0\r\n");
        EXPECT_EQ(AppDirs.AudioDir, home.dir() + "data/tilvane/audio/");
        EXPECT_TRUE(fs::is_directory(AppDirs.AudioDir));
        EXPECT_EQ(LibArchive, share + "res/lib.tvz");
    }

    LoadTranslationCatalogue();
    std::vector<std::string> names;
    for (std::size_t i = kFirstPackage; i < Translations.size(); ++i)
        names.push_back(Translations[i].TransName);
    EXPECT_EQ(names, (std::vector<std::string>{"NewCopy", "Mine", "Shipped"}));
    ResetAppDirsForTesting();
}
