#include "core/app/app_dirs.h"
#include "core/audio/install_selection.h"
#include "core/audio/folder_transfer.h"
#include "core/audio/reciter_installer.h"
#include "core/audio/reciter_layout.h"
#include "core/audio/reciter_source.h"
#include "core/base/archive.h"
#include "support/temp_folder.h"

#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace tilvane;
using tilvane::test::readFile;
using tilvane::test::TempFolder;
using tilvane::test::writeFile;

namespace {

const std::string kMp3 = std::string("\xFF\xFB\x90\x64", 4) + std::string(400, '\x55');
constexpr std::uint64_t kNoDiskHasThisFree = std::numeric_limits<std::uint64_t>::max() / 2;

// A ZIP of entries named as given, each of size bytes of MP3-looking data (compressed to
// almost nothing, as a bomb is).
void writeZip(const fs::path& zip, const std::vector<std::string>& names, std::size_t size)
{
    archive* writer = archive_write_new();
    archive_write_set_format_zip(writer);
    archive_write_open_filename(writer, zip.c_str());
    const std::string body = kMp3 + std::string(size - kMp3.size(), '\x55');
    for (const std::string& name : names) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, name.c_str());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, static_cast<la_int64_t>(body.size()));
        archive_write_header(writer, entry);
        archive_write_data(writer, body.data(), body.size());
        archive_entry_free(entry);
    }
    archive_write_close(writer);
    archive_write_free(writer);
}

std::vector<std::string> filesBelow(const fs::path& root)
{
    std::vector<std::string> names;
    for (const auto& item : fs::recursive_directory_iterator(root))
        names.push_back(fs::relative(item.path(), root).string());
    std::sort(names.begin(), names.end());
    return names;
}

class ReciterBounds : public ::testing::Test {
protected:
    void SetUp() override
    {
        AppDirs.AudioDir = folder.dir() + "audio/";
        for (int aya = 1; aya <= 7; ++aya)
            writeFile(folder / "source" / ayaFileName(1, aya), kMp3);
        fs::create_directories(folder / "outside");
    }

    InstallSummary install(IFileTransfer& transfer, std::uint64_t minFreeBytes = 0)
    {
        ReciterInstaller installer("qari", ayatOfSuras({1}));
        installer.setMinimumFreeSpace(minFreeBytes);
        InstallSummary summary;
        installer.start(transfer, {}, [&](const InstallSummary& s) { summary = s; });
        return summary;
    }

    std::string reciter(const std::string& relative) const { return AppDirs.AudioDir + "qari/" + relative; }

    TempFolder folder;
};

} // namespace

// The sura folders, the temporary files and the description are the installer's own names:
// whatever is planted there, nothing is read, written or counted through a link.
TEST_F(ReciterBounds, LinksPlantedInTheReciterFolderAreNeverFollowed)
{
    const fs::path outside = folder / "outside";
    const struct {
        const char* what;
        std::function<void()> plant;
        int installed;
        const char* failure; // expected in every failure line, or nullptr for none
    } cases[] = {
        {"sura folder linked elsewhere", [&] { fs::create_directory_symlink(outside, reciter("001")); }, 0, "is a link"},
        {"part file linked to a user file",
         [&] {
             fs::create_directories(reciter("001"));
             writeFile(outside / "mine.txt", "mine");
             fs::create_symlink(outside / "mine.txt", reciter("001/001001.mp3.part"));
         },
         7, nullptr},
        {"final name linked to an MP3 elsewhere",
         [&] {
             fs::create_directories(reciter("001"));
             writeFile(outside / "001002.mp3", kMp3);
             fs::create_symlink(outside / "001002.mp3", reciter("001/001002.mp3"));
         },
         7, nullptr},
        {"description linked to a user file",
         [&] {
             fs::create_directories(reciter(""));
             writeFile(outside / "mine.txt", "mine");
             fs::create_symlink(outside / "mine.txt", reciter("audioinit.ini"));
         },
         7, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(AppDirs.AudioDir);
        fs::remove_all(outside);
        fs::create_directories(outside);
        fs::create_directories(AppDirs.AudioDir + "qari");
        c.plant();
        const std::vector<std::string> outsideBefore = filesBelow(outside);

        FolderTransfer transfer((folder / "source").string());
        const InstallSummary summary = install(transfer);

        EXPECT_EQ(summary.installed, c.installed);
        EXPECT_EQ(filesBelow(outside), outsideBefore) << "nothing written or removed outside";
        if (fs::exists(outside / "mine.txt"))
            EXPECT_EQ(readFile(outside / "mine.txt"), "mine");
        EXPECT_EQ(summary.failures.size(), c.failure ? 7u : 0u);
        for (const std::string& failure : summary.failures)
            EXPECT_NE(failure.find(c.failure ? c.failure : "-"), std::string::npos) << failure;
        if (c.installed > 0) {
            EXPECT_FALSE(fs::is_symlink(reciter("001/001002.mp3")));
            EXPECT_FALSE(fs::is_symlink(reciter("audioinit.ini")));
            EXPECT_TRUE(isReciterInstalled("qari"));
        }
    }
}

// A bomb on a disk too small for it: unpacking stops at the reserve, the entry cut short is
// removed rather than installed, and the install says the disk is full.
TEST_F(ReciterBounds, AnArchiveMeetingAFullDiskInstallsNoTruncatedEntry)
{
    const fs::path zip = folder / "bomb.zip";
    writeZip(zip, {"001001.mp3", "001002.mp3"}, 6 * 1024 * 1024);

    const ExtractResult full = ExtractArchive(zip.string(), (folder / "unpacked").string(), kMaxUnpackedBytes,
                                              kNoDiskHasThisFree);
    EXPECT_EQ(full.outcome, ExtractResult::Outcome::WriteFailed);
    EXPECT_NE(full.message.find("the disk is full"), std::string::npos) << full.message;
    EXPECT_EQ(filesBelow(folder / "unpacked"), std::vector<std::string>{}) << "the entry cut short is gone";
    EXPECT_TRUE(ExtractArchive(zip.string(), (folder / "roomy").string(), kMaxUnpackedBytes, 1));

    const UnpackedArchive unpacked = unpackReciterArchive(zip.string(), "qari", kNoDiskHasThisFree);
    EXPECT_NE(unpacked.problem.find("the disk is full"), std::string::npos) << unpacked.problem;
    ReciterInstaller installer("qari", ayatOfSuras({1}));
    installer.addSourceFailure(unpacked.problem);
    FolderTransfer transfer(unpacked.root, FolderTransfer::Mode::Move);
    InstallSummary summary;
    installer.start(transfer, {}, [&](const InstallSummary& s) { summary = s; });
    removeUnpackedArchive(unpacked);

    EXPECT_EQ(summary.installed, 0);
    EXPECT_FALSE(fs::exists(reciter("001/001001.mp3")));
    EXPECT_NE(summary.failures.front().find("the disk is full"), std::string::npos);
    EXPECT_FALSE(summary.complete());
}
