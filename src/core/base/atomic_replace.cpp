#include "core/base/atomic_replace.h"

#include "core/base/file_bytes.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tilvane {

namespace {

constexpr int kMaxLinkHops = 40;
// A name no user gives a file ("Tilvane.ini.backup" stays), ending with mkstemp's six letters.
constexpr std::string_view kTemporaryInfix = ".saving-";
constexpr std::size_t kTemporarySuffixLength = 6;

bool isTemporaryName(const std::string& name, const std::string& base)
{
    const std::size_t prefix = base.size() + kTemporaryInfix.size();
    if (name.size() != prefix + kTemporarySuffixLength || name.compare(0, base.size(), base) != 0
        || name.compare(base.size(), kTemporaryInfix.size(), kTemporaryInfix) != 0)
        return false;
    for (std::size_t i = prefix; i < name.size(); ++i) {
        if (!std::isalnum(static_cast<unsigned char>(name[i])))
            return false;
    }
    return true;
}

// A save in progress holds its temporary file locked until the rename; a killed one does not.
void removeIfUnlocked(const fs::path& file)
{
    struct stat info {};
    if (::lstat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid())
        return;
    const int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        ::unlink(file.c_str());
    ::close(fd);
}

} // namespace

std::optional<std::string> finalLinkTarget(const std::string& path)
{
    fs::path current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error)))
            return current.string();
        const fs::path next = fs::read_symlink(current, error);
        if (error)
            return std::nullopt;
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return std::nullopt;
}

bool isReadOnly(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return false;
    return (info.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

void removeStaleTemporaries(const std::string& path)
{
    const fs::path file(path);
    const std::string base = file.filename().string();
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (isTemporaryName(it->path().filename().string(), base))
            removeIfUnlocked(it->path());
    }
}

Replaced replaceFile(const std::string& path, const std::string& bytes, unsigned newFileMode)
{
    std::string temporary = path + std::string(kTemporaryInfix) + "XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return Replaced::No;
    struct stat existing {};
    const mode_t mode = (::stat(path.c_str(), &existing) == 0) ? (existing.st_mode & 07777) : newFileMode;
    const bool written = ::flock(fd, LOCK_EX) == 0 && ::fchmod(fd, mode) == 0 && writeAllBytes(fd, bytes)
        && ::fsync(fd) == 0;
    const int writeError = errno;
    // Renamed while still locked, so that no other save takes the file for a stale one.
    const bool renamed = written && std::rename(temporary.c_str(), path.c_str()) == 0;
    const int failure = written ? errno : writeError;
    if (!renamed)
        ::unlink(temporary.c_str());
    const bool closed = ::close(fd) == 0;
    if (renamed)
        return closed ? Replaced::Yes : Replaced::No;
    errno = failure;
    return written && failure == ENOENT ? Replaced::TemporaryGone : Replaced::No;
}

} // namespace tilvane
