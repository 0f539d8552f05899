#include "core/base/archive.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <map>
#include <string>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace fs = std::filesystem;
using tilvane::ExtractArchive;
using tilvane::ExtractResult;
using tilvane::test::readFile;
using tilvane::test::TempFolder;
using tilvane::test::writeFile;

namespace {

std::string quoted(const fs::path& path)
{
    std::string text = "'";
    text += path.string();
    text += "'";
    return text;
}

// Runs the real 7-Zip in `folder`, so that the names it stores are relative to it.
void run7zz(const fs::path& folder, const std::string& arguments)
{
    ASSERT_EQ(std::system("command -v 7zz >/dev/null"), 0)
        << "7zz is missing: install the Debian package 7zip (scripts/packages.txt)";
    const std::string command = "cd " + quoted(folder) + " && 7zz " + arguments + " >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

using FileMap = std::map<std::string, std::string>;

FileMap filesBelow(const fs::path& root)
{
    FileMap files;
    for (const auto& item : fs::recursive_directory_iterator(root)) {
        if (item.is_regular_file())
            files[fs::relative(item.path(), root).generic_string()] = readFile(item.path());
    }
    return files;
}

// Text with enough variety and length to span several compressed blocks.
std::string longText()
{
    std::string text;
    for (int line = 0; line < 20000; ++line)
        text += "aya " + std::to_string(line * 7919 % 6236) + " \xd8\xa8\xd9\x90\xd8\xb3\xd9\x92\r\n";
    return text;
}

const FileMap& sampleFiles()
{
    static const FileMap files = {
        {"lib/quran.txt", longText()},
        {"lib/css/base.css", "body { margin: 0 }\r\n"},
        {"lib/with blank.txt", "blank in the name"},
        {"res/libina/az/001.txt", "Mukadimah"},
        {"empty.txt", ""},
    };
    return files;
}

void writeSample(const fs::path& root)
{
    for (const auto& [name, bytes] : sampleFiles())
        writeFile(root / name, bytes);
}

bool ownerWritable(const fs::path& path)
{
    return (fs::status(path).permissions() & fs::perms::owner_write) != fs::perms::none;
}

struct Compression {
    const char* name;
    const char* switches;
};

class ExtractArchiveCompression : public testing::TestWithParam<Compression> {};

TEST_P(ExtractArchiveCompression, UnpacksEveryFileWithItsRelativePath)
{
    TempFolder temp;
    writeSample(temp / "src");
    run7zz(temp / "src", std::string("a -t7z ") + GetParam().switches + " ../data.tvz .");

    ASSERT_TRUE(ExtractArchive((temp / "data.tvz").string(), (temp / "out").string() + "/"));
    EXPECT_EQ(filesBelow(temp / "out"), sampleFiles());
}

INSTANTIATE_TEST_SUITE_P(SevenZip, ExtractArchiveCompression,
                         testing::Values(Compression{"Lzma2Solid", "-m0=LZMA2 -ms=on"},
                                         Compression{"Lzma2NotSolid", "-m0=LZMA2 -ms=off"},
                                         Compression{"PpmdSolid", "-m0=PPMd -ms=on"},
                                         Compression{"PpmdNotSolid", "-m0=PPMd -ms=off"},
                                         Compression{"Bzip2Solid", "-m0=BZip2 -ms=on"},
                                         Compression{"Bzip2NotSolid", "-m0=BZip2 -ms=off"},
                                         Compression{"Lzma2WithBcjFilter", "-m0=BCJ -m1=LZMA2 -ms=on"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExtractArchive, SecondExtractionOverwritesFilesAndKeepsOthers)
{
    TempFolder temp;
    writeFile(temp / "v1/lib/data.txt", "first version, the longer one");
    writeFile(temp / "v2/lib/data.txt", "second");
    run7zz(temp / "v1", "a -t7z ../v1.tvz .");
    run7zz(temp / "v2", "a -t7z ../v2.tvz .");
    writeFile(temp / "out/lib/css/common.css", "written by the program");

    ASSERT_TRUE(ExtractArchive((temp / "v1.tvz").string(), temp.dir() + "out/"));
    fs::permissions(temp / "out/lib/data.txt", fs::perms::owner_read);
    ASSERT_TRUE(ExtractArchive((temp / "v2.tvz").string(), temp.dir() + "out/"));

    EXPECT_EQ(readFile(temp / "out/lib/data.txt"), "second");
    EXPECT_EQ(readFile(temp / "out/lib/css/common.css"), "written by the program");
}

TEST(ExtractArchive, AcceptsTargetWithoutTrailingSeparatorAndCreatesIt)
{
    TempFolder temp;
    writeSample(temp / "src");
    run7zz(temp / "src", "a -t7z ../data.tvz .");

    ASSERT_TRUE(ExtractArchive((temp / "data.tvz").string(), (temp / "new/deeper").string()));
    EXPECT_EQ(filesBelow(temp / "new/deeper"), sampleFiles());
}

TEST(ExtractArchive, ReadOnlyEntriesArriveOwnerWritable)
{
    TempFolder temp;
    writeFile(temp / "src/lib/css/locked.css", "x");
    fs::permissions(temp / "src/lib/css/locked.css", fs::perms::owner_read | fs::perms::group_read);
    fs::permissions(temp / "src/lib/css", fs::perms::owner_read | fs::perms::owner_exec);
    run7zz(temp / "src", "a -t7z ../data.tvz .");

    ASSERT_TRUE(ExtractArchive((temp / "data.tvz").string(), temp.dir() + "out/"));
    EXPECT_TRUE(ownerWritable(temp / "out/lib/css"));
    EXPECT_TRUE(ownerWritable(temp / "out/lib/css/locked.css"));
}

// Each hostile archive also holds "safe.txt", which still lands in the target; nothing
// lands in "outside", a sibling of the target, and the result reports the refusal.
struct HostileCase {
    const char* name;
    void (*makeArchive)(const TempFolder& temp, const fs::path& archive);
};

void makeDotDotEntry(const TempFolder& temp, const fs::path& archive)
{
    writeFile(temp / "stage/outside/victim.txt", "escaped");
    writeFile(temp / "stage/target/safe.txt", "safe");
    run7zz(temp / "stage/target", "a -t7z -spf " + quoted(archive) + " ../outside/victim.txt safe.txt");
}

void makeAbsoluteEntry(const TempFolder& temp, const fs::path& archive)
{
    writeFile(temp / "outside/victim.txt", "escaped");
    writeFile(temp / "stage/safe.txt", "safe");
    run7zz(temp / "stage", "a -t7z -spf " + quoted(archive) + " " + quoted(temp / "outside/victim.txt") +
                               " safe.txt");
    fs::remove(temp / "outside/victim.txt");
}

void makeFileThroughSymlink(const TempFolder& temp, const fs::path& archive)
{
    fs::create_directories(temp / "stage1");
    fs::create_symlink(temp / "outside", temp / "stage1/lnk");
    writeFile(temp / "stage1/safe.txt", "safe");
    run7zz(temp / "stage1", "a -t7z -snl " + quoted(archive) + " lnk safe.txt");
    writeFile(temp / "stage2/lnk/victim.txt", "escaped");
    run7zz(temp / "stage2", "a -t7z " + quoted(archive) + " lnk/victim.txt");
}

class ExtractHostileArchive : public testing::TestWithParam<HostileCase> {};

TEST_P(ExtractHostileArchive, WritesNothingOutsideTheTargetAndReportsFailure)
{
    TempFolder temp;
    fs::create_directories(temp / "outside");
    const fs::path archive = temp / "hostile.7z";
    GetParam().makeArchive(temp, archive);
    ASSERT_TRUE(fs::exists(archive));

    EXPECT_FALSE(ExtractArchive(archive.string(), temp.dir() + "target/"));

    EXPECT_TRUE(fs::is_empty(temp / "outside"));
    EXPECT_EQ(readFile(temp / "target/safe.txt"), "safe");
    for (const auto& item : fs::recursive_directory_iterator(temp / "target"))
        EXPECT_FALSE(item.is_symlink()) << item.path();
}

INSTANTIATE_TEST_SUITE_P(Refused, ExtractHostileArchive,
                         testing::Values(HostileCase{"DotDotEntry", makeDotDotEntry},
                                         HostileCase{"AbsoluteEntry", makeAbsoluteEntry},
                                         HostileCase{"FileThroughSymlinkEntry", makeFileThroughSymlink}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExtractArchive, RefusesToWriteThroughSymlinkAlreadyInTarget)
{
    TempFolder temp;
    writeFile(temp / "src/lib/data.txt", "escaped");
    writeFile(temp / "src/safe.txt", "safe");
    // Named files only: the archive holds no entry for the folder "lib" itself.
    run7zz(temp / "src", "a -t7z ../data.tvz lib/data.txt safe.txt");
    fs::create_directories(temp / "outside");
    fs::create_directories(temp / "target");
    fs::create_directory_symlink(temp / "outside", temp / "target/lib");

    EXPECT_FALSE(ExtractArchive((temp / "data.tvz").string(), temp.dir() + "target/"));
    EXPECT_TRUE(fs::is_empty(temp / "outside"));
    EXPECT_EQ(readFile(temp / "target/safe.txt"), "safe");
}

TEST(ExtractArchive, FolderEntryReplacesSymlinkAlreadyInTarget)
{
    TempFolder temp;
    writeFile(temp / "src/lib/data.txt", "inside");
    run7zz(temp / "src", "a -t7z ../data.tvz .");
    fs::create_directories(temp / "outside");
    fs::create_directories(temp / "target");
    fs::create_directory_symlink(temp / "outside", temp / "target/lib");

    EXPECT_TRUE(ExtractArchive((temp / "data.tvz").string(), temp.dir() + "target/"));
    EXPECT_TRUE(fs::is_empty(temp / "outside"));
    EXPECT_FALSE(fs::is_symlink(temp / "target/lib"));
    EXPECT_EQ(readFile(temp / "target/lib/data.txt"), "inside");
}

TEST(ExtractArchive, RefusesTargetThatIsSymlink)
{
    TempFolder temp;
    writeFile(temp / "src/safe.txt", "safe");
    run7zz(temp / "src", "a -t7z ../data.tvz .");
    fs::create_directories(temp / "outside");
    fs::create_directory_symlink(temp / "outside", temp / "target");

    EXPECT_FALSE(ExtractArchive((temp / "data.tvz").string(), temp.dir() + "target/"));
    EXPECT_TRUE(fs::is_empty(temp / "outside"));
}

TEST(ExtractArchive, ExtractsBelowTargetWhoseAncestorIsSymlink)
{
    TempFolder temp;
    writeFile(temp / "src/safe.txt", "safe");
    run7zz(temp / "src", "a -t7z ../data.tvz .");
    fs::create_directories(temp / "real");
    fs::create_directory_symlink(temp / "real", temp / "linked");

    EXPECT_TRUE(ExtractArchive((temp / "data.tvz").string(), temp.dir() + "linked/target/"));
    EXPECT_EQ(readFile(temp / "real/target/safe.txt"), "safe");
}

struct DamagedCase {
    const char* name;
    std::string (*damage)(const std::string& archiveBytes);
};

class ExtractDamagedArchive : public testing::TestWithParam<DamagedCase> {};

TEST_P(ExtractDamagedArchive, ReturnsFalse)
{
    TempFolder temp;
    writeSample(temp / "src");
    run7zz(temp / "src", "a -t7z ../good.tvz .");
    writeFile(temp / "bad.tvz", GetParam().damage(readFile(temp / "good.tvz")));

    EXPECT_FALSE(ExtractArchive((temp / "bad.tvz").string(), temp.dir() + "out/"));
}

INSTANTIATE_TEST_SUITE_P(
    Damaged, ExtractDamagedArchive,
    testing::Values(DamagedCase{"TruncatedToHalf", [](const std::string& bytes) { return bytes.substr(0, bytes.size() / 2); }},
                    DamagedCase{"TruncatedHeader", [](const std::string& bytes) { return bytes.substr(0, 20); }},
                    DamagedCase{"GarbageBytes",
                                [](const std::string& bytes) {
                                    std::string garbage(bytes.size(), '\0');
                                    for (size_t i = 0; i < garbage.size(); ++i)
                                        garbage[i] = static_cast<char>(i * 2654435761u >> 13);
                                    return garbage;
                                }},
                    DamagedCase{"EmptyFile", [](const std::string&) { return std::string(); }}),
    [](const auto& info) { return std::string(info.param.name); });

// Found by fuzzing: archives of a few hundred bytes whose header counts make libarchive ask
// for 8 GB and for 2 TB.
TEST(ExtractArchive, HeaderCountsAskingForGigabytesFailWithoutWritingAnything)
{
    for (const char* name : {"oversized_header_counts.7z", "impossible_allocation.7z"}) {
        TempFolder temp;
        fs::copy_file(fs::path(TILVANE_SOURCE_DIR) / "fuzz/corpus/archive" / name, temp / "bad.tvz");

        EXPECT_FALSE(ExtractArchive((temp / "bad.tvz").string(), temp.dir() + "out/")) << name;
        EXPECT_TRUE(fs::is_empty(temp / "out")) << name;
        EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()), 2) << name;
    }
}

TEST(ExtractArchive, MissingArchiveReturnsFalse)
{
    TempFolder temp;
    EXPECT_FALSE(ExtractArchive((temp / "absent.tvz").string(), temp.dir() + "out/"));
}

} // namespace

namespace {

// Counts every umask call of the process, the library's included (the test program's own
// definition stands before the C library's), so that a call is seen however short it is.
std::atomic<int> g_umaskCalls{0};

} // namespace

extern "C" mode_t umask(mode_t mask) noexcept
{
    ++g_umaskCalls;
    return static_cast<mode_t>(syscall(SYS_umask, mask));
}

namespace {

// The umask as the kernel reports it: asking umask() itself would change it for a moment.
mode_t currentUmask()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
    }
    return 07777;
}

mode_t modeOf(const fs::path& path)
{
    struct stat info {};
    lstat(path.c_str(), &info);
    return info.st_mode & 07777;
}

} // namespace

// Both data archives unpack at once while the program may create other files: the umask is
// never touched, not even for a moment, and every file and folder gets its mode under it.
TEST(ExtractArchive, ParallelExtractionsNeverTouchTheUmask)
{
    TempFolder temp;
    writeFile(temp / "a/lib/css/base.css", "a");
    writeFile(temp / "b/res/libina/az/s001a.htm", "b");
    run7zz(temp / "a", "a -t7z ../a.tvz .");
    run7zz(temp / "b", "a -t7z ../b.tvz .");
    const mode_t previous = umask(027);
    const int callsBefore = g_umaskCalls;
    for (int round = 0; round < 20; ++round) {
        const fs::path out = temp / ("out" + std::to_string(round));
        auto first = std::async(std::launch::async, [&] { return bool(ExtractArchive((temp / "a.tvz").string(), (out / "a").string())); });
        auto second = std::async(std::launch::async, [&] { return bool(ExtractArchive((temp / "b.tvz").string(), (out / "b").string())); });
        EXPECT_TRUE(first.get());
        EXPECT_TRUE(second.get());
        EXPECT_EQ(modeOf(out / "a/lib/css/base.css"), 0640u);
        EXPECT_EQ(modeOf(out / "b/res/libina/az"), 0750u);
    }
    EXPECT_EQ(g_umaskCalls - callsBefore, 0);
    EXPECT_EQ(currentUmask(), 027u);
    umask(previous);
}

struct FailingCase {
    const char* name;
    // Makes the archive at the path and anything needed in the target folder.
    std::function<void(const TempFolder& temp, const fs::path& archive, const fs::path& target)> make;
    std::uint64_t maxBytes;
    ExtractResult::Outcome outcome;
    const char* says;
};

class ExtractFailingArchive : public testing::TestWithParam<FailingCase> {};

// Every failure names the archive, so that the user knows which file to replace.
TEST_P(ExtractFailingArchive, StopsWithAMessageNamingTheArchive)
{
    TempFolder temp;
    const fs::path archive = temp / "data.tvz";
    const fs::path target = temp / "out";
    fs::create_directories(target);
    GetParam().make(temp, archive, target);

    const ExtractResult result = ExtractArchive(archive.string(), target.string(), GetParam().maxBytes);
    EXPECT_EQ(result.outcome, GetParam().outcome) << result.message;
    try {
        tilvane::throwExtractFailure(result, archive.string());
        FAIL() << "no error";
    } catch (const std::exception& error) {
        EXPECT_NE(std::string(error.what()).find(archive.string()), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find(GetParam().says), std::string::npos) << error.what();
    }
    std::uintmax_t written = 0;
    for (const auto& item : fs::recursive_directory_iterator(target))
        written += item.is_regular_file() ? item.file_size() : 0;
    EXPECT_LE(written, GetParam().maxBytes);
}

void makeChecksumMismatch(const TempFolder& temp, const fs::path& archive, const fs::path&)
{
    writeFile(temp / "src/lib/quran.txt", std::string(4000, 'q'));
    run7zz(temp / "src", "a -t7z -m0=Copy " + quoted(archive) + " .");
    std::string bytes = readFile(archive);
    bytes[bytes.find(std::string(4000, 'q')) + 2000] = 'Q'; // stored as is, one letter changed
    writeFile(archive, bytes);
}

void makeBomb(const TempFolder& temp, const fs::path& archive, const fs::path&)
{
    writeFile(temp / "src/zeros.bin", std::string(4 * 1024 * 1024, '\0'));
    run7zz(temp / "src", "a -t7z " + quoted(archive) + " .");
}

INSTANTIATE_TEST_SUITE_P(
    Refused, ExtractFailingArchive,
    testing::Values(
        FailingCase{"ChecksumMismatch", makeChecksumMismatch, tilvane::kMaxUnpackedBytes,
                    ExtractResult::Outcome::Damaged, "is damaged"},
        FailingCase{"DecompressionBomb", makeBomb, 1024 * 1024, ExtractResult::Outcome::TooLarge, "more than 1 MB"},
        FailingCase{"ArchiveIsAFifo", [](const TempFolder&, const fs::path& archive,
                                         const fs::path&) { mkfifo(archive.c_str(), 0600); },
                    tilvane::kMaxUnpackedBytes, ExtractResult::Outcome::CannotOpen, "not a regular file"},
        FailingCase{"FileTakesAFolderName",
                    [](const TempFolder& temp, const fs::path& archive, const fs::path& target) {
                        writeFile(temp / "src/_sura", "a file where pages go");
                        run7zz(temp / "src", "a -t7z " + quoted(archive) + " .");
                        writeFile(target / "_sura/S001_ar_in.html", "page");
                    },
                    tilvane::kMaxUnpackedBytes, ExtractResult::Outcome::Refused, "\"_sura\""}),
    [](const auto& info) { return std::string(info.param.name); });
