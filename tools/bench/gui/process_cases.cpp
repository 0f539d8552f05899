#include "gui_cases.h"

#include "child_process.h"
#include "plain_view.h"
#include "process_memory.h"
#include "reader_session.h"

#include "core/app/paths.h"
#include "core/quran/sura_table.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>

#include <QCoreApplication>

namespace tilvane::bench {

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr char kPlainFocused[] = "plain-focused";
constexpr char kToured[] = "toured";
constexpr char kFirstPage[] = "tilvane-timing first-page";
constexpr auto kSettleTime = 1000ms;

// The reader's executable in a folder of its own beside the built data, so that it reads a
// settings file of the benchmark's and never writes the build's.
std::string readerFolder(const std::string& scratch)
{
    const std::filesystem::path folder = scratch + "/app";
    std::filesystem::create_directories(folder);
    const std::filesystem::path built = executableDir();
    std::filesystem::copy_file(built / "tilvane", folder / "tilvane", std::filesystem::copy_options::overwrite_existing);
    std::filesystem::permissions(folder / "tilvane", std::filesystem::perms::owner_all);
    if (!std::filesystem::exists(folder / "res"))
        std::filesystem::create_directory_symlink(built / "res", folder / "res");
    std::ofstream(folder / "Tilvane.ini") << "[quran]\r\nLastOpenedSura=1\r\nLastOpenedAya=1\r\n";
    return folder.string();
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Keeps the highest memory of the child's processes in peak, when there is one.
std::function<void()> peakSampler(const ChildProcess& child, double* peak)
{
    if (peak == nullptr)
        return {};
    return [&child, peak] { *peak = std::max(*peak, treePssMegabytes(child.pid())); };
}

// Waits for the line, sampling the peak meanwhile when one is asked for.
std::string waitSaying(ChildProcess& child, const char* prefix, std::chrono::milliseconds deadline,
                       double* peak = nullptr)
{
    const auto line = child.waitForLine(prefix, deadline, peakSampler(child, peak));
    if (!line)
        throw std::runtime_error(std::string("a child process ended before saying ") + prefix);
    return *line;
}

// Lets the processes settle, sampling the peak when one is asked for; the last sample is what
// stays after start.
double settledPss(ChildProcess& child, double* peak = nullptr)
{
    child.waitForLine("\x01", kSettleTime, peakSampler(child, peak));
    return treePssMegabytes(child.pid());
}

// A page of one word that answers focusOnAya like the reader's pages: what any web view takes.
std::string writeAlmostEmptyPage(const std::string& scratch)
{
    const std::string page = scratch + "/almost-empty.html";
    std::ofstream(page) << "<html><body><p>Tilvane</p><script>function focusOnAya() { return true; }</script>"
                           "</body></html>\n";
    return page;
}

ChildProcess startPlain(const std::string& page, int sura, const SavedPages& pages)
{
    return ChildProcess(executablePath(), {"--plain", page, std::to_string(sura), std::to_string(pages.viewWidth),
                                           std::to_string(pages.viewHeight)});
}

} // namespace

std::vector<CaseFigures> runProcessCases(const std::string& scratch, int repetitions, const SavedPages& pages)
{
    const std::string folder = readerFolder(scratch);
    std::filesystem::create_directories(scratch + "/launch-tmp");
    const std::map<std::string, std::string> environment{{"TMPDIR", scratch + "/launch-tmp"}, {"TILVANE_TIMINGS", "1"}};
    CaseFigures launch{"Launch/first-page/built-in", "ms", {}, {}, {}};
    CaseFigures started{"Memory/after-start/built-in", "MB", {}, {}, {}};
    CaseFigures tour{"Memory/tour-peak/ten-packages", "MB", {}, {}, {}};
    std::vector<double> afterSplash;
    std::vector<double> almostEmpty;
    const std::string almostEmptyPage = writeAlmostEmptyPage(scratch);
    for (int run = 0; run < repetitions; ++run) {
        {
            const Clock::time_point start = Clock::now();
            ChildProcess reader(folder + "/tilvane", {}, environment);
            const std::string line = waitSaying(reader, kFirstPage, 60s);
            launch.values.push_back(millisecondsSince(start));
            afterSplash.push_back(std::stod(line.substr(sizeof kFirstPage)));
            started.values.push_back(settledPss(reader));
        }
        {
            const Clock::time_point start = Clock::now();
            ChildProcess plain = startPlain(pages.firstSuraDefault, 1, pages);
            waitSaying(plain, kPlainFocused, 60s);
            launch.floors.push_back(millisecondsSince(start));
            started.floors.push_back(settledPss(plain));
        }
        {
            ChildProcess plain = startPlain(almostEmptyPage, 1, pages);
            waitSaying(plain, kPlainFocused, 60s);
            almostEmpty.push_back(settledPss(plain));
        }
        double tourPeak = 0;
        {
            ChildProcess touring(executablePath(), {"--tour"});
            waitSaying(touring, kToured, 600s, &tourPeak);
        }
        tour.values.push_back(tourPeak);
        double plainPeak = 0;
        {
            ChildProcess plain = startPlain(pages.secondSuraAll, 2, pages);
            waitSaying(plain, kPlainFocused, 60s, &plainPeak);
            settledPss(plain, &plainPeak);
        }
        tour.floors.push_back(plainPeak);
    }
    char note[96];
    std::snprintf(note, sizeof note, "shown to focused %.0f ms", median(afterSplash));
    launch.note = note;
    std::snprintf(note, sizeof note, "a page of one word %.1f MB", median(almostEmpty));
    started.note = note;
    return {launch, started, tour};
}

int runPlainChild(const std::string& pageFile, int sura, int width, int height)
{
    PlainView view(width, height);
    view.show(QString::fromStdString(pageFile), sura, 1);
    std::printf("%s\n", kPlainFocused);
    std::fflush(stdout);
    return QCoreApplication::exec();
}

int runTourChild()
{
    const ScratchFolders folders;
    ReaderSession reader(folders.root());
    reader.useTranslations(TranslationSet::TenPackages);
    for (int sura = 2; sura <= kSuraCount; ++sura)
        reader.gotoSura(sura);
    std::printf("%s\n", kToured);
    std::fflush(stdout);
    return 0;
}

} // namespace tilvane::bench
