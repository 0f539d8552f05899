#include "core/app/archive.h"

#include <archive.h>
#include <archive_entry.h>

#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

namespace tilvane {

namespace {

using ReaderPtr = std::unique_ptr<archive, decltype(&archive_read_free)>;
using WriterPtr = std::unique_ptr<archive, decltype(&archive_write_free)>;

// The entries' own permissions and owners are ignored: the program later writes into
// these folders and replaces these files, so they stay owner-writable.
constexpr mode_t kFileMode = 0644;
constexpr mode_t kFolderMode = 0755;

// The absolute target path is put in front of every entry name, so libarchive's own
// NOABSOLUTEPATHS test cannot apply; the entry name is checked here instead.
bool isSafeRelativePath(std::string_view path)
{
    if (path.empty() || path.front() == '/')
        return false;
    for (const fs::path& part : fs::path(path)) {
        if (part == "..")
            return false;
    }
    return true;
}

bool isPlainEntry(archive_entry* entry)
{
    const mode_t type = archive_entry_filetype(entry);
    return archive_entry_hardlink(entry) == nullptr && (type == AE_IFREG || type == AE_IFDIR);
}

// The target's ancestors are resolved first: libarchive refuses a symbolic link anywhere
// in the full path, and a link above the target (e.g. a linked /tmp) is the user's choice.
// The target itself must be a real folder, never a link.
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

bool copyEntryData(archive* reader, archive* writer)
{
    const void* block = nullptr;
    size_t size = 0;
    la_int64_t offset = 0;
    for (;;) {
        const int status = archive_read_data_block(reader, &block, &size, &offset);
        if (status == ARCHIVE_EOF)
            return true;
        if (status < ARCHIVE_WARN)
            return false;
        if (archive_write_data_block(writer, block, size, offset) < ARCHIVE_WARN)
            return false;
    }
}

enum class EntryResult { Written, Refused, Failed };

EntryResult extractEntry(archive* reader, archive* writer, archive_entry* entry, const fs::path& target)
{
    // Names go to the file system as UTF-8 bytes whatever the process locale is.
    const char* name = archive_entry_pathname_utf8(entry);
    if (name == nullptr)
        name = archive_entry_pathname(entry);
    if (name == nullptr || !isPlainEntry(entry) || !isSafeRelativePath(name))
        return EntryResult::Refused;

    const bool isFolder = archive_entry_filetype(entry) == AE_IFDIR;
    const std::string fullPath = (target / name).string();
    archive_entry_copy_pathname(entry, fullPath.c_str());
    archive_entry_set_perm(entry, isFolder ? kFolderMode : kFileMode);

    // libarchive refuses the header of an entry its own checks catch (a link on the way).
    if (archive_write_header(writer, entry) < ARCHIVE_WARN)
        return EntryResult::Refused;
    const bool copied = isFolder || copyEntryData(reader, writer);
    const bool finished = archive_write_finish_entry(writer) >= ARCHIVE_WARN;
    return copied && finished ? EntryResult::Written : EntryResult::Failed;
}

} // namespace

// A refused entry is skipped and the safe entries are still written, so the reader gets
// what it can; the result is false, so a hostile archive never passes for a clean one.
bool ExtractArchive(const std::string& archivePath, const std::string& targetDir)
{
    fs::path target;
    if (!resolveTarget(targetDir, target))
        return false;

    ReaderPtr reader(archive_read_new(), archive_read_free);
    WriterPtr writer(archive_write_disk_new(), archive_write_free);
    if (!reader || !writer)
        return false;
    archive_read_support_format_7zip(reader.get());
    archive_read_support_format_zip(reader.get());
    archive_write_disk_set_options(writer.get(),
                                   ARCHIVE_EXTRACT_SECURE_SYMLINKS | ARCHIVE_EXTRACT_SECURE_NODOTDOT);
    if (archive_read_open_filename(reader.get(), archivePath.c_str(), 64 * 1024) != ARCHIVE_OK)
        return false;

    bool clean = true;
    archive_entry* entry = nullptr;
    for (;;) {
        const int status = archive_read_next_header(reader.get(), &entry);
        if (status == ARCHIVE_EOF)
            break;
        if (status < ARCHIVE_WARN)
            return false;
        switch (extractEntry(reader.get(), writer.get(), entry, target)) {
        case EntryResult::Written:
            break;
        case EntryResult::Refused:
            clean = false;
            break;
        case EntryResult::Failed:
            return false;
        }
    }
    return archive_write_close(writer.get()) == ARCHIVE_OK && clean;
}

} // namespace tilvane
