#include "core/base/errors.h"
#include "core/quran/line_file.h"
#include "core/quran/line_list.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>

using namespace tilvane;
using tilvane::test::TempFolder;
using tilvane::test::writeFile;

namespace {

std::vector<std::string> linesOf(const LineFile& file)
{
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < file.size(); ++i)
        lines.push_back(file.lineOrEmpty(i));
    return lines;
}

} // namespace

TEST(LineFile, SplitsLinesAsALineListDoes)
{
    const TempFolder folder;
    for (const std::string text : {"", "one", "one\r\ntwo\r\n", "a\rb\nc\r\n\r\nd", "\n\n", "x\r", "\xD8\xB3\xD9\x84\r\nend"}) {
        writeFile(folder / "text.txt", text);
        const LineFile file = LineFile::loadFromFile((folder / "text.txt").string());
        EXPECT_EQ(linesOf(file), LineList::fromText(text).lines()) << text;
        EXPECT_EQ(file.lineOrEmpty(file.size()), "") << text;
        std::vector<std::string> withOneMore = linesOf(file);
        withOneMore.push_back("");
        EXPECT_EQ(file.lines(0, file.size() + 1), withOneMore) << text;
    }
}

TEST(LineFile, ReadsTheFileItOpenedUntilCleared)
{
    const TempFolder folder;
    const std::string path = (folder / "aya.txt").string();
    writeFile(path, "first\r\nsecond\r\n");
    const LineFile file = LineFile::loadFromFile(path);
    // Replaced by a rename, as an installer does: the open file still reads as it was.
    writeFile(folder / "aya.new", "other\r\n");
    std::filesystem::rename(folder / "aya.new", path);
    LineFile copy = file;
    EXPECT_EQ(copy.lineOrEmpty(1), "second");
    copy.clear();
    EXPECT_TRUE(copy.empty());
    EXPECT_EQ(file.lineOrEmpty(0), "first");

    // Cut short in place: the lines past its end read as empty.
    writeFile(folder / "short.txt", "one\r\ntwo\r\n");
    const LineFile shortened = LineFile::loadFromFile((folder / "short.txt").string());
    std::filesystem::resize_file(folder / "short.txt", 2);
    EXPECT_EQ(linesOf(shortened), (std::vector<std::string>{"on", ""}));
    EXPECT_EQ(shortened.lines(0, 2), (std::vector<std::string>{"on", ""}));
}

TEST(LineFile, RefusesWhatIsNotASmallEnoughRegularFile)
{
    const TempFolder folder;
    const struct {
        const char* name;
        std::function<void(const std::string&)> make;
    } cases[] = {
        {"missing", [](const std::string&) {}},
        {"folder", [](const std::string& path) { std::filesystem::create_directory(path); }},
        {"fifo", [](const std::string& path) { mkfifo(path.c_str(), 0600); }},
        {"too large", [](const std::string& path) { writeFile(path, std::string(65, 'x')); }},
    };
    for (const auto& c : cases) {
        const std::string path = (folder / c.name).string();
        c.make(path);
        try {
            LineFile::loadFromFile(path, 64);
            ADD_FAILURE() << c.name << " was read";
        } catch (const FileOpenError& error) {
            EXPECT_EQ(error.path(), path) << c.name;
        }
    }
}
