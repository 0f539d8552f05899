// A bookmark exchange file: any file is either merged whole, after which merging it again
// changes nothing, or refused with an error that leaves the library exactly as it was.
#include "fuzz_support.h"

#include "core/base/errors.h"
#include "core/library/bookmark_store.h"
#include "core/library/library_file.h"

#include <fstream>

using namespace tilvane;
using tilvane::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::filesystem::path input = fuzz::scratchFolder() / "import.json";
    static BookmarkStore store((fuzz::scratchFolder() / "library.db").string());
    {
        std::ofstream out(input, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const std::vector<Bookmark> before = store.list();
    try {
        importLibrary(store, input.string());
    } catch (const TilvaneError&) {
        require(store.list() == before, "a refused file changes nothing");
        return 0;
    }
    const std::vector<Bookmark> merged = store.list();
    require(merged.size() >= before.size(), "an import loses no bookmark");
    require(importLibrary(store, input.string()).added == 0, "an import adds each aya once");
    require(store.list() == merged, "importing the same file again changes nothing");
    return 0;
}
