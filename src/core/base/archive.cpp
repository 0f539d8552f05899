#include "core/base/archive.h"

#include "core/base/disk_space.h"
#include "core/base/errors.h"
#include "core/base/extract_target.h"
#include "core/base/file_bytes.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tilvane {

namespace {

using ReaderPtr = std::unique_ptr<archive, decltype(&archive_read_free)>;
using Outcome = ExtractResult::Outcome;

constexpr std::uint64_t kFreeSpaceCheckBytes = 4 * 1024 * 1024;

// The parts of a relative entry name; empty for a name that is absolute or climbs with "..".
std::vector<std::string> safeRelativeParts(std::string_view name)
{
    std::vector<std::string> parts;
    if (name.empty() || name.front() == '/')
        return parts;
    for (const fs::path& part : fs::path(name)) {
        if (part == "..")
            return {};
        if (!part.empty() && part != ".")
            parts.push_back(part.string());
    }
    return parts;
}

bool isPlainEntry(archive_entry* entry)
{
    const mode_t type = archive_entry_filetype(entry);
    return archive_entry_hardlink(entry) == nullptr && (type == AE_IFREG || type == AE_IFDIR);
}

// The target's ancestors are resolved first (a link above the target, e.g. a linked /tmp, is
// the user's choice); the target itself must be a real folder, never a link.
bool resolveTarget(const std::string& targetDir, fs::path& resolved)
{
    std::error_code error;
    fs::path target = fs::absolute(targetDir, error).lexically_normal();
    if (!target.has_filename())
        target = target.parent_path();
    fs::create_directories(target, error);
    if (error || !fs::is_directory(fs::symlink_status(target, error)))
        return false;
    resolved = fs::canonical(target.parent_path(), error) / target.filename();
    return !error;
}

class Extraction {
public:
    Extraction(const std::string& archivePath, std::uint64_t maxBytes, std::uint64_t minFreeBytes)
        : m_archive(archivePath), m_maxBytes(maxBytes), m_minFreeBytes(minFreeBytes) {}

    ExtractResult run(int archiveFd, const std::string& targetDir);

private:
    ExtractResult fail(Outcome outcome, const std::string& detail) const;
    ExtractResult damaged() const { return fail(Outcome::Damaged, archiveError()); }
    std::string archiveError() const;
    ExtractResult extractEntry(archive_entry* entry);
    ExtractResult copyData(int fd, const std::string& name);
    ExtractResult tooLarge() const;
    ExtractResult writeFailed(const std::string& name, int error) const;

    std::string m_archive;
    std::uint64_t m_maxBytes;
    std::uint64_t m_minFreeBytes;
    std::uint64_t m_written = 0;
    std::uint64_t m_writtenAtFreeSpaceCheck = 0;
    std::string m_targetPath;
    ReaderPtr m_reader{archive_read_new(), archive_read_free};
    ExtractTarget m_target;
    std::string m_firstRefused;
};

ExtractResult Extraction::fail(Outcome outcome, const std::string& detail) const
{
    return ExtractResult{outcome, detail};
}

std::string Extraction::archiveError() const
{
    const char* text = archive_error_string(m_reader.get());
    return "The data archive \"" + m_archive + "\" is damaged: " + (text != nullptr ? text : "unreadable") + ".";
}

ExtractResult Extraction::tooLarge() const
{
    return fail(Outcome::TooLarge, "The data archive \"" + m_archive + "\" unpacks to more than "
                                       + std::to_string(m_maxBytes / (1024 * 1024)) + " MB; unpacking was stopped.");
}

ExtractResult Extraction::writeFailed(const std::string& name, int error) const
{
    if (error == ENOSPC || error == EDQUOT)
        return fail(Outcome::WriteFailed, "Cannot unpack the data archive \"" + m_archive + "\": \"" + name
                                              + "\" cannot be written: " + diskFullText(m_targetPath, m_minFreeBytes)
                                              + ".");
    return fail(Outcome::WriteFailed, "Cannot unpack the data archive \"" + m_archive + "\": \"" + name
                                          + "\" cannot be written (" + std::strerror(error) + ").");
}

ExtractResult Extraction::copyData(int fd, const std::string& name)
{
    const void* block = nullptr;
    size_t size = 0;
    la_int64_t offset = 0;
    std::uint64_t entryEnd = 0;
    for (;;) {
        const int status = archive_read_data_block(m_reader.get(), &block, &size, &offset);
        if (status == ARCHIVE_EOF)
            break;
        // ARCHIVE_WARN here is a checksum that does not match: the bytes are damaged.
        if (status != ARCHIVE_OK || offset < 0)
            return damaged();
        // Counted by the end of the block, so that a block far past the data (a sparse
        // entry declaring a terabyte) counts as what it would make of the file.
        const std::uint64_t end = static_cast<std::uint64_t>(offset) + size;
        const std::uint64_t growth = end > entryEnd ? end - entryEnd : 0;
        if (end > m_maxBytes || m_written + growth > m_maxBytes)
            return tooLarge();
        m_written += growth;
        entryEnd = std::max(entryEnd, end);
        // Looked at every few MB: a bomb must meet a full disk as this stop, not as a
        // truncated file.
        if (m_minFreeBytes > 0 && m_written - m_writtenAtFreeSpaceCheck >= kFreeSpaceCheckBytes) {
            m_writtenAtFreeSpaceCheck = m_written;
            if (isBelowFreeSpace(m_targetPath, m_minFreeBytes))
                return writeFailed(name, ENOSPC);
        }
        const char* bytes = static_cast<const char*>(block);
        for (std::size_t done = 0; done < size;) {
            const ssize_t count = ::pwrite(fd, bytes + done, size - done, offset + static_cast<off_t>(done));
            if (count < 0 && errno == EINTR)
                continue;
            if (count <= 0)
                return writeFailed(name, count < 0 ? errno : ENOSPC);
            done += static_cast<std::size_t>(count);
        }
    }
    return {};
}

ExtractResult Extraction::extractEntry(archive_entry* entry)
{
    // Names go to the file system as UTF-8 bytes whatever the process locale is.
    const char* name = archive_entry_pathname_utf8(entry);
    if (name == nullptr)
        name = archive_entry_pathname(entry);
    const std::vector<std::string> parts = safeRelativeParts(name != nullptr ? name : "");
    if (parts.empty() || !isPlainEntry(entry)) {
        if (m_firstRefused.empty())
            m_firstRefused = name != nullptr ? name : "?";
        return {};
    }
    if (archive_entry_size_is_set(entry) && static_cast<std::uint64_t>(archive_entry_size(entry)) > m_maxBytes - m_written)
        return tooLarge();

    int fd = -1;
    const bool isFolder = archive_entry_filetype(entry) == AE_IFDIR;
    const ExtractTarget::Status status = isFolder ? m_target.makeFolders(parts) : m_target.createFile(parts, fd);
    if (status == ExtractTarget::Status::Refused && m_firstRefused.empty())
        m_firstRefused = name;
    if (status == ExtractTarget::Status::Failed)
        return writeFailed(name, m_target.lastError());
    if (fd < 0)
        return {};
    ExtractResult copied = copyData(fd, name);
    if (::close(fd) != 0 && copied)
        copied = writeFailed(name, errno);
    // A file cut short must not pass for a complete one.
    if (!copied)
        m_target.removeFile(parts);
    return copied;
}

ExtractResult Extraction::run(int archiveFd, const std::string& targetDir)
{
    fs::path target;
    if (!resolveTarget(targetDir, target) || !m_target.open(target.string()))
        return fail(Outcome::WriteFailed, "Cannot unpack the data archive \"" + m_archive + "\": the folder \""
                                              + targetDir + "\" cannot be used.");
    m_targetPath = target.string();
    if (!m_reader)
        return fail(Outcome::WriteFailed, "Cannot unpack the data archive \"" + m_archive + "\": out of memory.");
    archive_read_support_format_7zip(m_reader.get());
    archive_read_support_format_zip(m_reader.get());
    if (archive_read_open_fd(m_reader.get(), archiveFd, 64 * 1024) != ARCHIVE_OK)
        return damaged();
    archive_entry* entry = nullptr;
    for (;;) {
        const int status = archive_read_next_header(m_reader.get(), &entry);
        if (status == ARCHIVE_EOF)
            break;
        // A warning here is about a name's character set, which the UTF-8 name does without.
        if (status < ARCHIVE_WARN)
            return damaged();
        if (ExtractResult result = extractEntry(entry); !result)
            return result;
    }
    if (!m_firstRefused.empty())
        return fail(Outcome::Refused, "The data archive \"" + m_archive + "\" holds an entry Tilvane does not unpack"
                                          " (a link, or a name outside its folder): \"" + m_firstRefused + "\".");
    return {};
}

} // namespace

ExtractResult ExtractArchive(const std::string& archivePath, const std::string& targetDir, std::uint64_t maxBytes,
                             std::uint64_t minFreeBytes)
{
    // Non-blocking: a FIFO in the archive's place must not hang the start.
    const int fd = ::open(archivePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const ReadFailure why = fd < 0 ? (errno == ENOENT ? ReadFailure::Missing : ReadFailure::Unreadable)
                                       : (S_ISDIR(info.st_mode) ? ReadFailure::Folder : ReadFailure::NotRegular);
        if (fd >= 0)
            ::close(fd);
        return ExtractResult{Outcome::CannotOpen, why == ReadFailure::Missing ? "" : describeReadFailure(why, 0)};
    }
    const ExtractResult result = Extraction(archivePath, maxBytes, minFreeBytes).run(fd, targetDir);
    ::close(fd);
    return result;
}

void throwExtractFailure(const ExtractResult& result, const std::string& archive)
{
    if (result.outcome == Outcome::CannotOpen)
        throw FileOpenError(archive, result.message);
    if (!result)
        throw TilvaneError(result.message);
}

} // namespace tilvane
