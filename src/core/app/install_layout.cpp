#include "core/app/install_layout.h"

#include "core/app/app_dirs.h"
#include "core/app/paths.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace tilvane {

namespace fs = std::filesystem;

namespace {

constexpr const char* kProgramFolder = "tilvane/";

std::string homeDir()
{
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return home;
    const passwd* entry = getpwuid(getuid());
    return entry != nullptr ? entry->pw_dir : "/";
}

std::string xdgFolder(const char* variable, const char* fallbackBelowHome)
{
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/')
        return withTrailingSeparator(value);
    return withTrailingSeparator(homeDir()) + fallbackBelowHome;
}

bool isFolder(const std::string& path)
{
    std::error_code error;
    return fs::is_directory(path, error);
}

// ".../bin/" gives ".../"; the folder that holds the executable's folder.
std::string parentFolder(const std::string& folder)
{
    const fs::path trimmed = fs::path(folder).parent_path();
    return withTrailingSeparator(trimmed.parent_path().string());
}

} // namespace

UserFolders userFoldersFromEnvironment()
{
    return UserFolders{xdgFolder("XDG_CONFIG_HOME", ".config/"), xdgFolder("XDG_DATA_HOME", ".local/share/")};
}

InstallLayout DetectInstallLayout(const std::string& executableDir, const UserFolders& user)
{
    InstallLayout layout;
    const std::string exeDir = withTrailingSeparator(executableDir);
    const std::string shareDir = parentFolder(exeDir) + "share/" + kProgramFolder;
    // A folder without res/ and without installed data is treated as portable, so that the
    // missing archive is reported where the user put the program.
    if (isFolder(exeDir + "res") || !isFolder(shareDir)) {
        layout.AppDir = exeDir;
        layout.IniFileName = exeDir + "Tilvane.ini";
        layout.AudioDir = exeDir + "res/audio/";
        return layout;
    }
    layout.Installed = true;
    layout.AppDir = shareDir;
    layout.DefaultIniFile = shareDir + "Tilvane.ini";
    layout.IniFileName = withTrailingSeparator(user.ConfigHome) + kProgramFolder + "Tilvane.ini";
    const std::string userData = withTrailingSeparator(user.DataHome) + kProgramFolder;
    layout.AudioDir = userData + "audio/";
    layout.UserTransDir = userData + "trans/";
    return layout;
}

void InitAppDirs(const InstallLayout& layout)
{
    InitAppDirs(layout.AppDir);
    if (!layout.Installed)
        return;
    AppDirs.AudioDir = layout.AudioDir;
    AppDirs.UserTransDir = layout.UserTransDir;
    IniFileName = layout.IniFileName;

    std::error_code ignored;
    for (const std::string& folder : {fs::path(layout.IniFileName).parent_path().string(), layout.AudioDir,
                                      layout.UserTransDir})
        fs::create_directories(folder, ignored);
    if (!fs::exists(layout.IniFileName, ignored))
        fs::copy_file(layout.DefaultIniFile, layout.IniFileName, ignored);
}

} // namespace tilvane
