#pragma once

#include <cstdint>
#include <string>

namespace tilvane {

// Why a file could not be read whole.
enum class ReadFailure { None, Missing, Folder, NotRegular, TooLarge, Unreadable };

struct FileBytes {
    std::string bytes;
    ReadFailure failure = ReadFailure::None;
    explicit operator bool() const { return failure == ReadFailure::None; }
};

// The whole content of a regular file of at most maxBytes. A FIFO, a device (also behind a
// link), a folder or a larger file is refused without blocking and without reading it.
FileBytes readFileBytes(const std::string& path, std::uint64_t maxBytes);

// One sentence saying why the file could not be read, for a message that names the file.
std::string describeReadFailure(ReadFailure failure, std::uint64_t maxBytes);

// Writes every byte to fd, going on after interruptions.
bool writeAllBytes(int fd, const std::string& bytes);

// Creates or replaces the content of a regular file. A symbolic link, FIFO or device in the
// file's place is refused (false), never written through.
bool writeFileNoFollow(const std::string& path, const std::string& bytes);

} // namespace tilvane
