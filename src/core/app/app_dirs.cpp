#include "core/app/app_dirs.h"

#include "core/app/install_layout.h"
#include "core/app/instance_folder.h"
#include "core/app/paths.h"

#include <optional>

namespace tilvane {

TAppDir AppDirs;

namespace {

constexpr const char* kIniFileName = "Tilvane.ini";
constexpr const char* kLibArchive = "res/lib.tvz";
constexpr const char* kLibinaArchive = "res/libina.tvz";
constexpr const char* kCommonCssFile = "common.css";
constexpr const char* kScreenCssFile = "screen.css";
constexpr const char* kScreen2CssFile = "screen_2.css";

bool g_initialised = false;
std::optional<InstanceFolder> g_instanceFolder;

} // namespace

std::string IniFileName = kIniFileName;
std::string LibArchive = kLibArchive;
std::string LibinaArchive = kLibinaArchive;
std::string CommonCssFile = kCommonCssFile;
std::string ScreenCssFile = kScreenCssFile;
std::string Screen2CssFile = kScreen2CssFile;

TAppDir makeAppDirs(const std::string& appDir, const std::string& tempDir)
{
    TAppDir dirs;
    dirs.AppDir = withTrailingSeparator(appDir);
    dirs.ResDir = dirs.AppDir + "res/";
    dirs.AudioDir = dirs.ResDir + "audio/";
    dirs.TransDir = dirs.ResDir + "trans/";
    dirs.TempDir = withTrailingSeparator(tempDir);
    dirs.LibDir = dirs.TempDir + "lib/";
    dirs.CssDir = dirs.LibDir + "css/";
    dirs.SuraDir = dirs.TempDir + "_sura/";
    dirs.SearchDir = dirs.TempDir + "_search/";
    dirs.TempResDir = dirs.TempDir + "res/";
    dirs.LibinaDir = dirs.TempResDir + "libina/";
    dirs.AzDir = dirs.LibinaDir + "az/";
    dirs.InaazfmtDir = dirs.TempResDir + "inaazfmt/";
    return dirs;
}

void InitAppDirs()
{
    if (!g_initialised)
        InitAppDirs(DetectInstallLayout(executableDir(), userFoldersFromEnvironment()));
}

void InitAppDirsFromOption(const std::string& appDirOption)
{
    if (appDirOption.empty())
        InitAppDirs();
    else
        InitAppDirs(appDirOption);
}

void InitAppDirs(const std::string& appDir)
{
    if (g_initialised)
        return;
    InstanceFolder instance = InstanceFolder::acquire(GetTempDir());
    AppDirs = makeAppDirs(appDir, instance.path());
    // The private parent from GetTempDir keeps others from planting anything here; a link
    // found below it was planted by someone with the user's rights.
    refuseLinksBelow(AppDirs.TempDir);
    makeFolders({&AppDirs.TempDir, &AppDirs.LibDir, &AppDirs.CssDir, &AppDirs.SuraDir, &AppDirs.SearchDir,
                 &AppDirs.TempResDir, &AppDirs.LibinaDir, &AppDirs.AzDir, &AppDirs.InaazfmtDir});
    g_instanceFolder = std::move(instance);

    IniFileName = AppDirs.AppDir + kIniFileName;
    LibArchive = AppDirs.AppDir + kLibArchive;
    LibinaArchive = AppDirs.AppDir + kLibinaArchive;
    CommonCssFile = AppDirs.CssDir + kCommonCssFile;
    ScreenCssFile = AppDirs.CssDir + kScreenCssFile;
    Screen2CssFile = AppDirs.CssDir + kScreen2CssFile;
    g_initialised = true;
}

void ResetAppDirsForTesting()
{
    g_initialised = false;
    g_instanceFolder.reset();
    AppDirs = TAppDir{};
}

} // namespace tilvane
