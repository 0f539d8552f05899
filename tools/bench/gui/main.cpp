// tilvane-gui-bench [--repetitions N]: what the user of the reader waits for, measured in the
// reader's own window and processes on the default data beside the executable, each case
// beside a plain web view doing the same work; ends with one line per case and its ratio.
// Runs offscreen unless QT_QPA_PLATFORM says otherwise; the memory tour needs an X display
// (scripts/bench.sh runs it under Xvfb). The modes --window-cases, --plain and --plain-tour are
// its child processes.
#include "case_report.h"
#include "gui_cases.h"
#include "process_memory.h"
#include "reader_setup.h"

#include "gui/app/graphics_setup.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

using namespace tilvane;
using namespace tilvane::bench;

namespace {

constexpr int kDefaultRepetitions = 5;

int runAll(int repetitions)
{
    const int otherEngineProcesses = webEngineProcessCount();
    const ScratchFolders folders;
    SavedPages pages;
    std::vector<CaseFigures> cases = runWindowCasesInChild(folders.root(), repetitions, pages);
    for (CaseFigures& figures : runProcessCases(folders.root(), repetitions, pages))
        cases.push_back(std::move(figures));
    printReport(cases, otherEngineProcesses);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    setUpGraphicsBeforeApplication();
    QApplication app(argc, argv);
    try {
        if (argc == 6 && std::strcmp(argv[1], "--plain") == 0)
            return runPlainChild(argv[2], std::stoi(argv[3]), std::stoi(argv[4]), std::stoi(argv[5]));
        if (argc == 4 && std::strcmp(argv[1], "--window-cases") == 0)
            return runWindowCasesChild(argv[2], std::stoi(argv[3]));
        if (argc == 5 && std::strcmp(argv[1], "--plain-tour") == 0)
            return runPlainTourChild(argv[2], std::stoi(argv[3]), std::stoi(argv[4]));
        int repetitions = kDefaultRepetitions;
        if (argc == 3 && std::strcmp(argv[1], "--repetitions") == 0)
            repetitions = std::max(1, std::stoi(argv[2]));
        else if (argc != 1) {
            std::fprintf(stderr, "usage: tilvane-gui-bench [--repetitions N]\n");
            return 2;
        }
        return runAll(repetitions);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tilvane-gui-bench: %s\n", error.what());
        return 1;
    }
}
