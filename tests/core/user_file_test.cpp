#include "core/base/errors.h"
#include "core/base/user_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace tilvane;
using tilvane::test::readFile;
using tilvane::test::TempFolder;
using tilvane::test::writeFile;

namespace {

// What writeUserFile threw, or "" when it did not.
std::string writeProblem(const std::string& path, const std::string& bytes)
{
    try {
        writeUserFile(path, bytes);
    } catch (const TilvaneError& error) {
        return error.what();
    }
    return {};
}

fs::file_type typeOf(const fs::path& path)
{
    return fs::symlink_status(path).type();
}

} // namespace

// Each kind of thing a user may name as the output: what becomes of it, and of the link.
TEST(UserFile, ALinkKeepsItsPlaceAndItsTargetIsReplacedAndSpecialFilesAreNeverReplaced)
{
    TempFolder folder;
    const fs::path other = folder / "other";
    fs::create_directories(other);
    const struct {
        const char* what;
        std::function<fs::path()> make; // returns the path the user names
        const char* problem;             // "" for success
        fs::path result;                 // where the bytes land (success only)
    } cases[] = {
        {"a new file", [&] { return folder / "new.pdf"; }, "", folder / "new.pdf"},
        {"an existing file", [&] { writeFile(folder / "old.pdf", "old"); return folder / "old.pdf"; }, "",
         folder / "old.pdf"},
        {"a link to a file in another folder",
         [&] {
             writeFile(other / "target.pdf", "old");
             fs::create_symlink(other / "target.pdf", folder / "link.pdf");
             return folder / "link.pdf";
         },
         "", other / "target.pdf"},
        {"a link to a file not made yet",
         [&] {
             fs::create_symlink("other/later.pdf", folder / "dangling.pdf");
             return folder / "dangling.pdf";
         },
         "", other / "later.pdf"},
        {"a folder", [&] { return other; }, "it is a folder", {}},
        {"a read-only file",
         [&] {
             writeFile(folder / "locked.pdf", "old");
             fs::permissions(folder / "locked.pdf", fs::perms::owner_read);
             return folder / "locked.pdf";
         },
         "it is read-only", {}},
        {"a file in a missing folder", [&] { return folder / "missing" / "out.pdf"; }, "No such file or directory", {}},
        {"a FIFO nobody reads",
         [&] {
             ::mkfifo((folder / "fifo").c_str(), 0600);
             return folder / "fifo";
         },
         "a pipe no program reads from", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path named = c.make();
        const fs::file_type before = fs::exists(fs::symlink_status(named)) ? typeOf(named) : fs::file_type::not_found;
        const std::string problem = writeProblem(named.string(), "%PDF-1.7 new");
        if (*c.problem == '\0') {
            EXPECT_EQ(problem, "");
            EXPECT_EQ(readFile(c.result), "%PDF-1.7 new");
            if (before == fs::file_type::symlink)
                EXPECT_EQ(typeOf(named), fs::file_type::symlink) << "the link stays";
        } else {
            EXPECT_EQ(problem.rfind("Unable to write to " + named.string() + ": ", 0), 0u) << problem;
            EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
            EXPECT_EQ(problem.find(".saving-"), std::string::npos) << "no temporary name: " << problem;
            EXPECT_EQ(before == fs::file_type::not_found ? fs::file_type::not_found : typeOf(named), before);
        }
    }
    std::vector<std::string> left;
    for (const auto& item : fs::recursive_directory_iterator(folder.path()))
        left.push_back(item.path().filename().string());
    EXPECT_EQ(std::count_if(left.begin(), left.end(), [](const std::string& n) { return n.find(".saving-") != n.npos; }), 0);

    // A device gets the bytes as a stream and stays a device (a FIFO with a reader: the
    // export command's test).
    EXPECT_EQ(writeProblem("/dev/null", "%PDF-1.7 new"), "");
    EXPECT_EQ(typeOf("/dev/null"), fs::file_type::character);
}
