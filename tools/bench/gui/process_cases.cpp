#include "gui_cases.h"

#include "child_process.h"
#include "plain_view.h"
#include "process_memory.h"
#include "reader_setup.h"

#include "core/app/paths.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include <QCoreApplication>

namespace tilvane::bench {

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr char kPlainFocused[] = "plain-focused";
constexpr char kFirstPage[] = "tilvane-timing first-page";
constexpr auto kSettleTime = 1000ms;

// A portable copy of the reader: its executable in a folder of its own beside the built data,
// so that it reads a settings file of the benchmark's and never writes the build's.
std::string readerFolder(const std::string& scratch, const std::string& name)
{
    const std::filesystem::path folder = scratch + "/" + name;
    std::filesystem::create_directories(folder);
    const std::filesystem::path built = executableDir();
    std::filesystem::copy_file(built / "tilvane", folder / "tilvane", std::filesystem::copy_options::overwrite_existing);
    std::filesystem::permissions(folder / "tilvane", std::filesystem::perms::owner_all);
    if (!std::filesystem::exists(folder / "res"))
        std::filesystem::create_directory_symlink(built / "res", folder / "res");
    return folder.string();
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string waitSaying(ChildProcess& child, const char* prefix, std::chrono::milliseconds deadline)
{
    const auto line = child.waitForLine(prefix, deadline);
    if (!line)
        throw std::runtime_error(std::string("a child process ended before saying ") + prefix);
    return *line;
}

// What stays after start, once the processes settled.
double settledPss(ChildProcess& child)
{
    child.waitForLine("\x01", kSettleTime);
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
    const std::string folder = readerFolder(scratch, "app");
    const std::string touringFolder = readerFolder(scratch, "app-ten-packages");
    std::filesystem::create_directories(scratch + "/launch-tmp");
    const std::map<std::string, std::string> environment{{"TMPDIR", scratch + "/launch-tmp"}, {"TILVANE_TIMINGS", "1"}};
    CaseFigures launch{"Launch/first-page/built-in", "ms", {}, {}, {}};
    CaseFigures started{"Memory/after-start/built-in", "MB", {}, {}, {}};
    CaseFigures tour{"Memory/tour-peak/ten-packages", "MB", {}, {}, {}};
    std::vector<double> afterSplash;
    std::vector<double> almostEmpty;
    std::vector<double> tourAnonymous;
    std::vector<double> plainTourAnonymous;
    const std::string almostEmptyPage = writeAlmostEmptyPage(scratch);
    for (int run = 0; run < repetitions; ++run) {
        // Each start is fresh at sura 1: the reader stores where it was when it ends.
        writeReaderSettings(folder + "/Tilvane.ini", TranslationSet::BuiltIn);
        writeReaderSettings(touringFolder + "/Tilvane.ini", TranslationSet::TenPackages);
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
        const std::string workingTmp = scratch + "/tour-tmp-" + std::to_string(run);
        const TourPeak reader = readerTourPeak(touringFolder, workingTmp);
        const TourPeak plain = plainTourPeak(workingTmp, pages);
        tour.values.push_back(reader.pss);
        tour.floors.push_back(plain.pss);
        tourAnonymous.push_back(reader.anonymous);
        plainTourAnonymous.push_back(plain.anonymous);
    }
    char note[96];
    std::snprintf(note, sizeof note, "shown to focused %.0f ms", median(afterSplash));
    launch.note = note;
    std::snprintf(note, sizeof note, "a page of one word %.1f MB", median(almostEmpty));
    started.note = note;
    std::snprintf(note, sizeof note, "anonymous %.1f MB, floor's %.1f MB", median(tourAnonymous), median(plainTourAnonymous));
    tour.note = note;
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

} // namespace tilvane::bench
