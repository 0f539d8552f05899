// The reader's own extraction unpacks both built archives into the working root's layout.
#include "data_fixture.h"

#include "core/base/archive.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace tilvane::test {
namespace {

std::map<std::string, std::string> filesBelow(const std::filesystem::path& root)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files[std::filesystem::relative(entry.path(), root).generic_string()] =
                readFile(entry.path());
    return files;
}

TEST(ExtractBuiltArchives, UnpackIntoTheWorkingRootAsTheReaderReadsThem)
{
    TempFolder root;
    ASSERT_TRUE(ExtractArchive((builtResDir() / "lib.tvz").string(), root.dir()));
    ASSERT_TRUE(ExtractArchive((builtResDir() / "libina.tvz").string(), root.dir() + "res/"));

    std::map<std::string, std::string> expected = builtLib().files;
    for (const auto& [path, bytes] : builtLibina().files)
        expected["res/" + path] = bytes;
    const auto unpacked = filesBelow(root.path());
    EXPECT_EQ(unpacked.size(), expected.size());
    for (const auto& [path, bytes] : expected) {
        const auto found = unpacked.find(path);
        ASSERT_NE(found, unpacked.end()) << path << " was not unpacked";
        EXPECT_TRUE(found->second == bytes) << path << " differs from the archive";
    }
    for (const char* folder : {"lib/js", "lib/css", "lib/img", "res/libina/az"})
        EXPECT_TRUE(std::filesystem::is_directory(root.path() / folder)) << folder;
}

} // namespace
} // namespace tilvane::test
