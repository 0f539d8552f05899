#pragma once

#include <string>

namespace tilvane {

// The program's folders; every path ends with the separator. Filled once by InitAppDirs.
struct TAppDir {
    std::string AppDir;      // the executable's folder: settings file and archives
    std::string ResDir;      // AppDir + "res/"
    std::string AudioDir;    // ResDir + "audio/": recitation folders
    std::string TransDir;    // ResDir + "trans/": translation packages
    std::string TempDir;     // this instance's working root; the lib archive is unpacked here
    std::string LibDir;      // TempDir + "lib/"
    std::string CssDir;      // LibDir + "css/": generated stylesheets
    std::string SuraDir;     // TempDir + "_sura/": generated sura pages
    std::string SearchDir;   // TempDir + "_search/"
    std::string TempResDir;  // TempDir + "res/": the libina archive is unpacked here
    std::string LibinaDir;   // TempResDir + "libina/"
    std::string AzDir;       // LibinaDir + "az/": preface and closing bodies
    std::string InaazfmtDir; // TempResDir + "inaazfmt/": formatted preface and closing pages
    // The user's own translation packages, read beside TransDir's; empty when the reader
    // runs from a portable folder (see install_layout.h).
    std::string UserTransDir;
};

extern TAppDir AppDirs;

// Made absolute by InitAppDirs.
extern std::string IniFileName;
extern std::string LibArchive;
extern std::string LibinaArchive;
extern std::string CommonCssFile;
extern std::string ScreenCssFile;
extern std::string Screen2CssFile;

// The folders for an application folder and a working root, without touching the disk.
TAppDir makeAppDirs(const std::string& appDir, const std::string& tempDir);

// Resolves the folders (where the executable says, see DetectInstallLayout, or appDir taken
// as a portable folder) and this instance's working root
// below GetTempDir() (see InstanceFolder: "Tilvane/" unless another instance runs), creates
// the working folders owner-only (replacing files that took their names) and prefixes the
// path constants. Runs once; later calls do nothing. Throws when the temp folder cannot be
// used safely, also when a symbolic link lies anywhere below the working root.
void InitAppDirs();
void InitAppDirs(const std::string& appDir);
// For the command-line tools: the folder given with --app-dir, taken as portable, or where
// the reader itself would look when none was given.
void InitAppDirsFromOption(const std::string& appDirOption);

// Lets a test process start over with another application folder; releases the working root.
void ResetAppDirsForTesting();

} // namespace tilvane
