#include "core/audio/reciter_summary.h"

#include "core/audio/reciter_layout.h"
#include "core/quran/sura_table.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace tilvane {

namespace {

std::uint64_t folderBytes(const fs::path& folder)
{
    std::uint64_t bytes = 0;
    std::error_code error;
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (it->is_regular_file(ignored) && !it->is_symlink(ignored))
            bytes += it->file_size(ignored);
    }
    return bytes;
}

bool isAyaFile(const fs::path& path)
{
    std::error_code ignored;
    return fs::is_regular_file(fs::symlink_status(path, ignored));
}

} // namespace

ReciterSummary summarizeReciter(const std::string& name)
{
    ReciterSummary summary;
    summary.name = name;
    const fs::path folder = reciterFolder(name);
    summary.bytes = folderBytes(folder);
    for (int sura = 1; sura <= kSuraCount; ++sura) {
        const fs::path suraFolder = folder / ayaRelativePath(sura, 1).substr(0, 3);
        std::error_code error;
        if (!fs::is_directory(fs::symlink_status(suraFolder, error)))
            continue;
        int present = 0;
        for (int aya = 1; aya <= SuraTable[sura].AyaCount; ++aya)
            present += isAyaFile(folder / ayaRelativePath(sura, aya)) ? 1 : 0;
        summary.ayaCount += present;
        summary.completeSuraCount += present == SuraTable[sura].AyaCount ? 1 : 0;
    }
    return summary;
}

std::vector<ReciterSummary> installedReciterSummaries()
{
    std::vector<ReciterSummary> summaries;
    for (const std::string& name : installedReciters())
        summaries.push_back(summarizeReciter(name));
    return summaries;
}

} // namespace tilvane
