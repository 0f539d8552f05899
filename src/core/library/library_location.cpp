#include "core/library/library_location.h"

#include "core/app/paths.h"
#include "core/library/library_db.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <pwd.h>
#include <unistd.h>

namespace tilvane {

std::string defaultLibraryPath()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/')
        return libraryPathIn(withTrailingSeparator(dataHome) + "tilvane");
    const char* home = std::getenv("HOME");
    const std::string base = (home != nullptr && home[0] != '\0') ? home : getpwuid(getuid())->pw_dir;
    return libraryPathIn(withTrailingSeparator(base) + ".local/share/tilvane");
}

std::string libraryPathIn(const std::string& dir)
{
    return withTrailingSeparator(dir) + "library.db";
}

std::string moveLibraryAside(const std::string& path)
{
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%SZ", &utc);
    std::string target = path + ".damaged-" + stamp;
    // Two moves within one second must not overwrite the first.
    for (int n = 2; access(target.c_str(), F_OK) == 0; ++n)
        target = path + ".damaged-" + stamp + "-" + std::to_string(n);
    if (std::rename(path.c_str(), target.c_str()) != 0 && errno != ENOENT)
        throw LibraryError(LibraryError::Kind::Unreadable, path,
                           "Cannot move \"" + path + "\" aside (" + std::strerror(errno) + ").");
    // The journal files belong to the old file; left in place they would be applied to the new one.
    for (const char* suffix : {"-wal", "-shm"})
        std::rename((path + suffix).c_str(), (target + suffix).c_str());
    return target;
}

} // namespace tilvane
