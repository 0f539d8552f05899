#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TILVANE_FUZZ_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TILVANE_FUZZ_ASAN 1
#endif

#ifdef TILVANE_FUZZ_ASAN
// A request for an impossible size fails as it does without the sanitizer (malloc returns
// null, new throws): libarchive sizes its tables from a 7z header's counts and copes with a
// refusal, which is the behaviour to check, not a finding.
extern "C" const char* __asan_default_options()
{
    return "allocator_may_return_null=1";
}
#endif

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
