#pragma once

#include <cstdint>
#include <string>

namespace tilvane {

// Far above what the data archives hold (a few MB), far below a full disk: an archive that
// unpacks to more is a decompression bomb.
inline constexpr std::uint64_t kMaxUnpackedBytes = 512ull * 1024 * 1024;

struct ExtractResult {
    enum class Outcome { Extracted, CannotOpen, Damaged, Refused, TooLarge, WriteFailed };
    Outcome outcome = Outcome::Extracted;
    // For a failure: a message naming the archive (for CannotOpen: why, to follow "Cannot open
    // file"); empty after a clean extraction.
    std::string message;
    explicit operator bool() const { return outcome == Outcome::Extracted; }
};

// Unpacks every entry of the 7z or ZIP archive below targetDir, keeping relative paths and
// overwriting existing files; never throws. Entries that could write outside targetDir
// (absolute paths, "..", links, paths through an existing symbolic link) are refused and the
// safe entries still written, so a hostile archive never passes for a clean one. An entry
// whose checksum fails, a damaged archive, one unpacking to more than maxBytes and a disk
// left with less than minFreeBytes stop the extraction; the entry being written then is
// removed, never left truncated. The process umask is never changed.
ExtractResult ExtractArchive(const std::string& archive, const std::string& targetDir,
                             std::uint64_t maxBytes = kMaxUnpackedBytes, std::uint64_t minFreeBytes = 0);

// Throws the failure of an extraction: FileOpenError naming the archive when it could not be
// opened, TilvaneError with the result's message otherwise.
void throwExtractFailure(const ExtractResult& result, const std::string& archive);

} // namespace tilvane
