#include "beside_floor.h"
#include "cases.h"
#include "floor_io.h"
#include "reader_setup.h"

#include "core/app/app_dirs.h"
#include "core/quran/quran_loader.h"

#include <archive.h>
#include <archive_entry.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace tilvane::bench {

namespace {

// What any extraction must do: decompress every entry into memory and write its bytes to a
// file of the same relative path.
void unpackToFiles(const std::string& archivePath, const std::filesystem::path& target, std::vector<char>& buffer)
{
    std::unique_ptr<archive, decltype(&archive_read_free)> reader(archive_read_new(), archive_read_free);
    archive_read_support_format_7zip(reader.get());
    if (archive_read_open_filename(reader.get(), archivePath.c_str(), 64 * 1024) != ARCHIVE_OK)
        throw std::runtime_error("cannot open " + archivePath);
    archive_entry* entry = nullptr;
    std::filesystem::path madeFolder;
    while (archive_read_next_header(reader.get(), &entry) == ARCHIVE_OK) {
        const std::filesystem::path path = target / archive_entry_pathname(entry);
        // 7z lists the folders after the files; a file's folder is made when first needed.
        if (archive_entry_filetype(entry) == AE_IFDIR) {
            std::filesystem::create_directories(path);
            continue;
        }
        if (path.parent_path() != madeFolder) {
            std::filesystem::create_directories(path.parent_path());
            madeFolder = path.parent_path();
        }
        buffer.resize(static_cast<std::size_t>(archive_entry_size(entry)));
        const la_ssize_t read = archive_read_data(reader.get(), buffer.data(), buffer.size());
        if (read < 0 || static_cast<std::size_t>(read) != buffer.size())
            throw std::runtime_error("cannot decompress " + path.string());
        writeBytes(path.string(), buffer.data(), buffer.size());
    }
}

void loadQuranData(benchmark::State& state)
{
    BenchLoadHost host;
    const std::filesystem::path target = AppDirs.TempDir + "floor";
    std::vector<char> buffer;
    measureBesideFloor(
        state, [&host] { LoadQuranData(host); },
        [&] {
            unpackToFiles(LibArchive, target, buffer);
            unpackToFiles(LibinaArchive, target / "res", buffer);
        },
        // Extraction makes new files (the loader deletes the data files it read), so the floor
        // writes new files too: overwriting a file costs ext4 a flush on close.
        [&target] { std::filesystem::remove_all(target); });
}

} // namespace

void registerLoadCases()
{
    registerBesideFloor("LoadQuranData", &loadQuranData);
}

} // namespace tilvane::bench
