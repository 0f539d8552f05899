#include "seven_zip_writer.h"

#include "build_error.h"

#include <archive.h>
#include <archive_entry.h>

#include <memory>
#include <set>

namespace databuilder {

namespace {

// 2000-01-01 00:00:00 UTC: any fixed time will do, as long as it never changes.
constexpr time_t kEntryTime = 946684800;

using ArchivePtr = std::unique_ptr<archive, decltype(&archive_write_free)>;
using EntryPtr = std::unique_ptr<archive_entry, decltype(&archive_entry_free)>;

std::set<std::string> foldersOf(const FileSet& files)
{
    std::set<std::string> folders;
    for (const auto& [path, bytes] : files) {
        for (std::size_t slash = path.find('/'); slash != std::string::npos;
             slash = path.find('/', slash + 1))
            folders.insert(path.substr(0, slash));
    }
    return folders;
}

void check(archive* writer, int result, const std::string& what)
{
    if (result != ARCHIVE_OK)
        throw BuildError(what + ": " + archive_error_string(writer));
}

void writeEntry(archive* writer, const std::string& path, const std::string* bytes)
{
    EntryPtr entry(archive_entry_new(), &archive_entry_free);
    archive_entry_set_pathname(entry.get(), path.c_str());
    archive_entry_set_mtime(entry.get(), kEntryTime, 0);
    if (bytes) {
        archive_entry_set_filetype(entry.get(), AE_IFREG);
        archive_entry_set_perm(entry.get(), 0644);
        archive_entry_set_size(entry.get(), static_cast<la_int64_t>(bytes->size()));
    } else {
        archive_entry_set_filetype(entry.get(), AE_IFDIR);
        archive_entry_set_perm(entry.get(), 0755);
    }
    check(writer, archive_write_header(writer, entry.get()), "Cannot add " + path);
    if (bytes && !bytes->empty()
        && archive_write_data(writer, bytes->data(), bytes->size())
            != static_cast<la_ssize_t>(bytes->size()))
        throw BuildError("Cannot add " + path + ": " + archive_error_string(writer));
}

} // namespace

void writeSevenZip(const std::filesystem::path& archivePath, const FileSet& files)
{
    const std::filesystem::path partial = archivePath.string() + ".part";
    {
        ArchivePtr writer(archive_write_new(), &archive_write_free);
        check(writer.get(), archive_write_set_format_7zip(writer.get()), "7z format");
        check(writer.get(), archive_write_set_format_option(writer.get(), "7zip", "compression",
                                                            "lzma2"),
              "7z compression");
        check(writer.get(), archive_write_open_filename(writer.get(), partial.c_str()),
              "Cannot write " + partial.string());

        // Folders and files in one sorted order: a folder comes right before its contents.
        std::map<std::string, const std::string*> entries;
        for (const std::string& folder : foldersOf(files))
            entries[folder] = nullptr;
        for (const auto& [path, bytes] : files)
            entries[path] = &bytes;
        for (const auto& [path, bytes] : entries)
            writeEntry(writer.get(), path, bytes);
        check(writer.get(), archive_write_close(writer.get()), "Cannot finish " + partial.string());
    }
    std::filesystem::rename(partial, archivePath);
}

} // namespace databuilder
