#pragma once

#include "core/audio/install_limits.h"

#include <cstdint>
#include <string>

namespace tilvane {

enum class ReciterSourceKind {
    Web,     // an http(s) URL under which the per-aya files lie flat
    Folder,  // a local folder, flat or with per-sura subfolders
    Archive, // a local ZIP or 7z file of either
};

// What a source given by the user is. Throws TilvaneError when it is neither a web address
// nor an existing folder or file.
ReciterSourceKind classifyReciterSource(const std::string& source);

// Unpacks a reciter archive into a folder of its own beside the recitations (a hidden one,
// replaced if a killed run left it) and returns the folder its files lie in. Entries that
// would land outside it (absolute paths, "..", links) are refused; problem says so then, or
// why the archive could not be unpacked, and the entries that could be read are still there.
struct UnpackedArchive {
    std::string folder;
    std::string root;
    std::string problem; // empty after a clean extraction
};

// A full per-aya set at a high bit rate stays well below this; more is a decompression bomb.
inline constexpr std::uint64_t kMaxReciterArchiveBytes = 16ull * 1024 * 1024 * 1024;
// The unpacking stops, reporting a full disk, before less than minFreeBytes are left.
UnpackedArchive unpackReciterArchive(const std::string& archive, const std::string& name,
                                     std::uint64_t minFreeBytes = InstallLimits{}.minFreeBytes);
void removeUnpackedArchive(const UnpackedArchive& unpacked);

} // namespace tilvane
