#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tilvane {

// The bytes an unprivileged program may still write on the file system holding path (or its
// nearest existing ancestor); nothing when the file system cannot be asked.
std::optional<std::uint64_t> freeBytesAt(const std::string& path);

// True when the file system holding path is known to have fewer than reserve bytes free.
bool isBelowFreeSpace(const std::string& path, std::uint64_t reserve);

// "the disk is full (12 MB free in FOLDER, 64 MB kept free)", for a message about a stop.
std::string diskFullText(const std::string& path, std::uint64_t reserve);

} // namespace tilvane
