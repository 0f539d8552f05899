#include "core/app/paths.h"

#include "core/base/errors.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tilvane {

std::string ZeroPad(int value, int width)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*d", width, value);
    return buffer;
}

std::string PathToFileUrl(const std::string& path)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (unsigned char c : path) {
        const bool unreserved = std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~';
        // "/" separates segments; the sub-delimiters and ":" and "@" are allowed in a path,
        // except "&": the URL is written into pages as an attribute, where "&not" or "&copy"
        // would be read as a character reference.
        const bool pathSafe = c == '/' || c == ':' || c == '@' || c == '!' || c == '$' || c == '\''
            || c == '(' || c == ')' || c == '*' || c == '+' || c == ',' || c == ';' || c == '=';
        if ((c < 0x80 && unreserved) || pathSafe) {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 0x0F];
        }
    }
    return url;
}

std::string withTrailingSeparator(const std::string& path)
{
    if (!path.empty() && path.back() == kPathSeparator)
        return path;
    return path + kPathSeparator;
}

namespace {

std::string userName()
{
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_name[0] != '\0')
        return entry->pw_name;
    return "uid" + std::to_string(getuid());
}

std::string systemTempDir()
{
    const char* tmp = std::getenv("TMPDIR");
    if (tmp != nullptr && tmp[0] == '/')
        return tmp;
    return "/tmp";
}

// A folder we may write into: ours, a real folder (not a link), and closed to others.
void ensurePrivateFolder(const std::string& folder)
{
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        throw TilvaneError("Cannot create the working folder \"" + folder + "\": " + std::strerror(errno));
    struct stat info {};
    if (lstat(folder.c_str(), &info) != 0)
        throw TilvaneError("Cannot examine the working folder \"" + folder + "\": " + std::strerror(errno));
    if (S_ISLNK(info.st_mode))
        throw TilvaneError("The working folder \"" + folder + "\" is a symbolic link; Tilvane will not write through it.");
    if (!S_ISDIR(info.st_mode))
        throw TilvaneError("The working folder \"" + folder + "\" is not a folder.");
    if (info.st_uid != getuid())
        throw TilvaneError("The working folder \"" + folder + "\" belongs to another user; Tilvane will not use it.");
    if ((info.st_mode & 077) != 0 && chmod(folder.c_str(), 0700) != 0)
        throw TilvaneError("Cannot make the working folder \"" + folder + "\" private: " + std::strerror(errno));
}

} // namespace

std::string GetTempDir()
{
    const std::string folder = withTrailingSeparator(systemTempDir()) + "tilvane-" + userName();
    ensurePrivateFolder(folder);
    return withTrailingSeparator(folder);
}

std::string executablePath()
{
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        throw TilvaneError("Cannot find the program's own folder: " + error.message());
    return exe.string();
}

std::string executableDir()
{
    return withTrailingSeparator(std::filesystem::path(executablePath()).parent_path().string());
}

std::string userFontDir()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/')
        return withTrailingSeparator(dataHome) + "fonts" + kPathSeparator;
    const char* home = std::getenv("HOME");
    std::string base = (home != nullptr && home[0] != '\0') ? home : getpwuid(getuid())->pw_dir;
    return withTrailingSeparator(base) + ".local/share/fonts" + kPathSeparator;
}

} // namespace tilvane
