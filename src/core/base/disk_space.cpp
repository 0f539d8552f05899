#include "core/base/disk_space.h"

#include <cerrno>
#include <filesystem>
#include <sys/statvfs.h>

namespace tilvane {

namespace {

std::string megabytes(std::uint64_t bytes)
{
    return std::to_string(bytes / (1024 * 1024)) + " MB";
}

} // namespace

std::optional<std::uint64_t> freeBytesAt(const std::string& path)
{
    // A folder not made yet will be made on the disk of its nearest existing ancestor.
    std::filesystem::path existing = std::filesystem::path(path).lexically_normal();
    struct statvfs info {};
    while (::statvfs(existing.c_str(), &info) != 0) {
        if (errno != ENOENT || !existing.has_relative_path())
            return std::nullopt;
        existing = existing.has_filename() ? existing.parent_path() : existing.parent_path().parent_path();
    }
    return static_cast<std::uint64_t>(info.f_bavail) * info.f_frsize;
}

bool isBelowFreeSpace(const std::string& path, std::uint64_t reserve)
{
    const std::optional<std::uint64_t> free = freeBytesAt(path);
    return free && *free < reserve;
}

std::string diskFullText(const std::string& path, std::uint64_t reserve)
{
    const std::optional<std::uint64_t> free = freeBytesAt(path);
    const std::string kept = reserve > 0 ? ", " + megabytes(reserve) + " kept free" : std::string();
    return "the disk is full (" + (free ? megabytes(*free) : std::string("nothing")) + " free in " + path + kept + ")";
}

} // namespace tilvane
