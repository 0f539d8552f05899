// The tour of the memory case, driven from outside as a user would: Ctrl+PgDn pressed in the
// window through the X display, each change waited for until the program reports it and the
// page is painted, the whole process tree sampled throughout.
#include "gui_cases.h"

#include "child_process.h"
#include "plain_view.h"
#include "process_memory.h"
#include "x_display.h"

#include "core/app/paths.h"
#include "core/render/sura_page.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace tilvane::bench {

namespace {

using namespace std::chrono_literals;

constexpr int kTourStart = 1;
constexpr int kTourEnd = 20;
constexpr char kFirstPage[] = "tilvane-timing first-page";
constexpr char kSuraChanged[] = "tilvane-timing sura-change";
constexpr char kPlainFocused[] = "plain-tour-focused";
constexpr char kPlainChanged[] = "plain-tour-changed";
// How long the first page stays before the first key: what the tour holds once started.
constexpr auto kSettleTime = 1000ms;
constexpr auto kPaintPoll = 20ms;

// Turns the child's output while `ready` gives nothing, sampling meanwhile.
template <typename Condition>
auto waitSampling(ChildProcess& child, PeakSampler& sampler, Condition ready, const std::string& what)
{
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    for (;;) {
        if (auto result = ready())
            return result;
        if (std::chrono::steady_clock::now() > deadline)
            throw std::runtime_error("timed out waiting for " + what);
        child.waitForLine("\x01", kPaintPoll, [&] { sampler.sampleIfDue(); });
    }
}

void waitForLine(ChildProcess& child, PeakSampler& sampler, const char* prefix)
{
    if (!child.waitForLine(prefix, 60s, [&] { sampler.sampleIfDue(); }))
        throw std::runtime_error(std::string("the tour's program ended or hung before saying ") + prefix);
}

// From the first page shown, through every later sura of the tour, one Ctrl+PgDn each.
TourPeak tourByKeys(ChildProcess& child, PeakSampler& sampler, const char* changed)
{
    const XDisplay display;
    const XDisplay::WindowId window
        = *waitSampling(child, sampler, [&] { return display.shownWindowOf(child.pid()); }, "the window");
    child.waitForLine("\x01", kSettleTime, [&] { sampler.sampleIfDue(); });
    for (int sura = kTourStart + 1; sura <= kTourEnd; ++sura) {
        const std::uint64_t before = display.middleDigest(window);
        display.pressControlPageDown(window);
        waitForLine(child, sampler, changed);
        waitSampling(
            child, sampler, [&] { return display.middleDigest(window) != before; },
            "the page of sura " + std::to_string(sura) + " painted");
        sampler.sample();
    }
    return {sampler.peakPss(), sampler.peakAnonymous()};
}

// The page the reader wrote for the sura, in the working folder it left below workingTmp.
std::string savedPage(const std::string& workingTmp, int sura)
{
    const std::string name = suraPageFileName(sura);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(workingTmp)) {
        if (entry.path().filename() == name && entry.path().parent_path().filename() == "_sura")
            return entry.path().string();
    }
    throw std::runtime_error("the reader left no page " + name + " below " + workingTmp);
}

} // namespace

TourPeak readerTourPeak(const std::string& appFolder, const std::string& workingTmp)
{
    std::filesystem::create_directories(workingTmp);
    ChildProcess reader(appFolder + "/tilvane", {}, {{"TMPDIR", workingTmp}, {"TILVANE_TIMINGS", "1"}});
    PeakSampler sampler(reader.pid());
    waitForLine(reader, sampler, kFirstPage);
    return tourByKeys(reader, sampler, kSuraChanged);
}

TourPeak plainTourPeak(const std::string& workingTmp, const SavedPages& pages)
{
    const std::string firstPage = savedPage(workingTmp, kTourStart);
    ChildProcess plain(executablePath(), {"--plain-tour", std::filesystem::path(firstPage).parent_path().string(),
                                          std::to_string(pages.viewWidth), std::to_string(pages.viewHeight)});
    PeakSampler sampler(plain.pid());
    waitForLine(plain, sampler, kPlainFocused);
    return tourByKeys(plain, sampler, kPlainChanged);
}

int runPlainTourChild(const std::string& pageFolder, int width, int height)
{
    PlainView view(width, height);
    int sura = kTourStart;
    const auto showSura = [&] {
        view.show(QString::fromStdString(pageFolder + "/" + suraPageFileName(sura)), sura, 1);
    };
    showSura();
    std::printf("%s\n", kPlainFocused);
    std::fflush(stdout);
    QShortcut next(QKeySequence(Qt::CTRL | Qt::Key_PageDown), view.widget());
    QObject::connect(&next, &QShortcut::activated, [&] {
        if (sura == kTourEnd)
            return;
        ++sura;
        showSura();
        std::printf("%s %d\n", kPlainChanged, sura);
        std::fflush(stdout);
    });
    return QCoreApplication::exec();
}

} // namespace tilvane::bench
