#pragma once

#include <string>

namespace tilvane {

// The user's XDG base folders, each ending with the separator.
struct UserFolders {
    std::string ConfigHome; // $XDG_CONFIG_HOME, default ~/.config/
    std::string DataHome;   // $XDG_DATA_HOME, default ~/.local/share/
};

// Read from the environment; a relative or empty XDG variable counts as unset, as the XDG
// base directory rules ask.
UserFolders userFoldersFromEnvironment();

// Where the reader's files live. With res/ beside the executable (the build folder, or a
// portable copy) everything stays beside it. Otherwise the reader is installed below a prefix
// (the executable in PREFIX/bin/): read-only data in PREFIX/share/tilvane/, laid out as a
// portable folder is, and the user's own files in the XDG folders.
struct InstallLayout {
    bool Installed = false;
    std::string AppDir;         // the executable's folder, or PREFIX/share/tilvane/
    std::string IniFileName;    // the settings file the reader reads and writes
    std::string AudioDir;       // recitation folders
    std::string UserTransDir;   // installed: the user's translation packages; else empty
    std::string DefaultIniFile; // installed: the shipped settings, copied on the first start
};

InstallLayout DetectInstallLayout(const std::string& executableDir, const UserFolders& user);

// Initialises the folders for the layout: InitAppDirs on its AppDir, then, when installed,
// points the settings file, the recitations and the user's translation packages at the
// user's folders, creates those and copies the shipped settings unless the user has a
// settings file already. A copy that fails leaves the file absent: the reader then starts
// with the defaults and the first save names the file it cannot write.
void InitAppDirs(const InstallLayout& layout);

} // namespace tilvane
