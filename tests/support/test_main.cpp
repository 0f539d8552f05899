// Every test process gets folders of its own, so that tests never touch the user's real
// folders and can run in parallel: TMPDIR (the working root lives below it) and
// XDG_DATA_HOME (the user's font folder lives below it).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::string makeProcessScratch()
{
    std::filesystem::create_directories(TILVANE_TEST_SCRATCH);
    std::string pattern = std::string(TILVANE_TEST_SCRATCH) + "/run-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        std::exit(2);
    }
    return pattern;
}

} // namespace

#if defined(__SANITIZE_ADDRESS__)
// Read by LeakSanitizer in the sanitizer build. Fontconfig keeps the fonts registered for the
// process (the Quran font) until exit by design; nothing of ours is hidden by this.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

// A request for an impossible size fails as it does without the sanitizer (malloc returns
// null, new throws), so that libarchive's handling of a damaged 7z header is what is tested.
extern "C" const char* __asan_default_options()
{
    return "allocator_may_return_null=1";
}
#endif

int main(int argc, char** argv)
{
    const std::string scratch = makeProcessScratch();
    std::filesystem::create_directories(scratch + "/tmp");
    std::filesystem::create_directories(scratch + "/data");
    std::filesystem::create_directories(scratch + "/cache");
    setenv("TMPDIR", (scratch + "/tmp").c_str(), 1);
    setenv("XDG_DATA_HOME", (scratch + "/data").c_str(), 1);
    setenv("XDG_CACHE_HOME", (scratch + "/cache").c_str(), 1);
    setenv("TILVANE_TEST_PROCESS_DIR", scratch.c_str(), 1);

    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    if (result == 0 && std::getenv("TILVANE_KEEP_TEST_FILES") == nullptr) {
        std::error_code ignored;
        std::filesystem::remove_all(scratch, ignored);
    }
    return result;
}
