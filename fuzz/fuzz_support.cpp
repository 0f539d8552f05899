#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace tilvane::fuzz {

namespace {

std::filesystem::path makeScratchFolder()
{
    const char* tmp = std::getenv("TMPDIR");
    const std::string base = tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
    std::error_code ignored;
    std::filesystem::create_directories(base, ignored);
    std::string pattern = base + "/tilvane-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("tilvane fuzz: mkdtemp");
        std::abort();
    }
    return pattern;
}

struct ScratchFolder {
    std::filesystem::path path = makeScratchFolder();
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

} // namespace

const std::filesystem::path& scratchFolder()
{
    static const ScratchFolder folder;
    return folder.path;
}

void require(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "tilvane fuzz: property broken: %s\n", property);
    std::abort();
}

} // namespace tilvane::fuzz
