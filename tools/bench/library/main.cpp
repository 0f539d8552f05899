// tilvane-library-bench [ENTRIES]: writes a bookmark exchange file of ENTRIES entries
// (1,000,000 by default) that name every aya over and over with a few topics and notes, as a
// merged collection of many exports does, imports it into a fresh library in a folder of its
// own below TMPDIR, and prints the import's time and the process's peak resident memory.
#include "core/library/bookmark_store.h"
#include "core/library/library_file.h"
#include "core/quran/sura_table.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

using namespace tilvane;
namespace fs = std::filesystem;

namespace {

constexpr double kTargetSeconds = 10.0;
constexpr double kTargetMegabytes = 200.0;

double peakMegabytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

// Written line by line, so that the file never stands in this process's memory.
void writeEntries(const fs::path& file, long entries)
{
    std::ofstream out(file);
    out << R"({"format": "tilvane-library", "version": 1, "topics": ["Topic 0"], "bookmarks": [)" << '\n';
    int sura = 1;
    int aya = 1;
    for (long i = 0; i < entries; ++i) {
        out << (i == 0 ? "" : ",\n") << R"({"sura":)" << sura << R"(,"aya":)" << aya << R"(,"topics":["Topic )"
            << i % 7 << R"("],"note":"note )" << i % 5 << "\"}";
        if (++aya > SuraTable[sura].AyaCount) {
            aya = 1;
            sura = sura % kSuraCount + 1;
        }
    }
    out << "\n]}\n";
}

} // namespace

int main(int argc, char** argv)
{
    const long entries = argc > 1 ? std::atol(argv[1]) : 1000000;
    const char* tmp = std::getenv("TMPDIR");
    const fs::path folder = fs::path(tmp != nullptr ? tmp : "/tmp") / ("tilvane-library-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    try {
        writeEntries(folder / "entries.json", entries);
        const double before = peakMegabytes();
        BookmarkStore store((folder / "library.db").string());
        const auto start = std::chrono::steady_clock::now();
        const ImportSummary summary = importLibrary(store, (folder / "entries.json").string());
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::cout << "library import of " << summary.bookmarks << " entries (" << summary.added << " ayat, "
                  << fs::file_size(folder / "entries.json") / (1024 * 1024) << " MB): " << seconds
                  << " s (target " << kTargetSeconds << " s), peak memory " << peakMegabytes() << " MB (before "
                  << before << " MB; target " << kTargetMegabytes << " MB)\n";
    } catch (const std::exception& error) {
        std::cerr << "tilvane-library-bench: " << error.what() << '\n';
        fs::remove_all(folder);
        return 1;
    }
    fs::remove_all(folder);
    return 0;
}
