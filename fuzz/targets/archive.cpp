// Data archives, damaged or hostile: extraction never writes outside its target folder, not
// through a symbolic link already inside the target, and leaves no link behind.
#include "fuzz_support.h"

#include "core/base/archive.h"

#include <fstream>
#include <iterator>

namespace fs = std::filesystem;
using namespace tilvane;
using tilvane::fuzz::require;

namespace {

std::size_t childCount(const fs::path& folder)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fs::path work = fuzz::scratchFolder() / "archive";
    const fs::path archive = work / "input.tvz";
    const fs::path target = work / "target";
    const fs::path outside = work / "outside";

    fs::remove_all(work);
    fs::create_directories(target);
    fs::create_directories(outside);
    // A link inside the target that an entry named "lib/..." would follow out of it.
    fs::create_directory_symlink(outside, target / "lib");
    {
        std::ofstream out(archive, std::ios::binary);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    ExtractArchive(archive.string(), target.string());

    require(childCount(fuzz::scratchFolder()) == 1 && childCount(work) == 3,
            "nothing is written beside the target folder");
    require(childCount(outside) == 0, "nothing is written through a link in the target folder");
    for (auto it = fs::recursive_directory_iterator(target); it != fs::recursive_directory_iterator(); ++it) {
        if (it->path() == target / "lib")
            continue;
        require(!it->is_symlink(), "no link is extracted");
        require(it->is_regular_file() || it->is_directory(), "only files and folders are extracted");
    }
    return 0;
}
