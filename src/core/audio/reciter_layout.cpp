#include "core/audio/reciter_layout.h"

#include "core/app/app_dirs.h"
#include "core/base/errors.h"
#include "core/base/ini_file.h"
#include "core/app/paths.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace tilvane {

namespace {

constexpr const char* kDescription = "audioinit.ini";

bool isFile(const fs::path& path)
{
    std::error_code ignored;
    return fs::is_regular_file(path, ignored);
}

} // namespace

std::string ayaFileName(int sura, int aya)
{
    return ZeroPad(sura, 3) + ZeroPad(aya, 3) + ".mp3";
}

std::string ayaRelativePath(int sura, int aya)
{
    return ZeroPad(sura, 3) + kPathSeparator + ayaFileName(sura, aya);
}

const std::vector<std::string>& formulaFileNames()
{
    static const std::vector<std::string> names{"audhubillah.mp3", "bismillah.mp3", "bismillah2.mp3",
                                                "sadaghallah.mp3"};
    return names;
}

bool isValidReciterName(const std::string& name)
{
    return !name.empty() && name.front() != '.' && name.find('/') == std::string::npos
        && name.find('\\') == std::string::npos;
}

std::string reciterFolder(const std::string& name)
{
    return AppDirs.AudioDir + name + kPathSeparator;
}

std::vector<std::string> installedReciters()
{
    std::vector<std::string> names;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(AppDirs.AudioDir, error)) {
        const std::string name = entry.path().filename().string();
        if (isValidReciterName(name) && isFile(entry.path() / kDescription))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool isReciterInstalled(const std::string& name)
{
    return isValidReciterName(name) && isFile(reciterFolder(name) + kDescription);
}

void writeReciterDescription(const std::string& folder)
{
    const std::string path = withTrailingSeparator(folder);
    // The description is the program's own file: a link planted in its place is replaced,
    // neither read nor written through.
    std::error_code error;
    if (fs::is_symlink(path + kDescription, error))
        fs::remove(path + kDescription, error);
    IniFile ini = IniFile::load(path + kDescription);
    ini.writeString("offline", "URL", path);
    const std::string ownBismillah = isFile(path + "bismillah.mp3") ? "bismillah.mp3" : ayaRelativePath(1, 1);
    ini.writeString("offline", "Bismillah", ownBismillah);
    ini.writeString("offline", "Bismillah2", isFile(path + "bismillah2.mp3") ? "bismillah2.mp3" : ownBismillah);
    ini.save(path + kDescription);
}

void removeReciter(const std::string& name)
{
    if (!isReciterInstalled(name))
        throw TilvaneError("\"" + name + "\" is not an installed recitation.");
    const fs::path folder = fs::path(AppDirs.AudioDir) / name;
    std::error_code error;
    if (fs::is_symlink(folder, error))
        throw TilvaneError("The recitation folder \"" + folder.string() + "\" is a link; remove it by hand.");
    fs::remove_all(folder, error);
    if (error)
        throw TilvaneError("Cannot remove \"" + folder.string() + "\": " + error.message());
}

} // namespace tilvane
