// tilvane-gui-bench [--repetitions N]: what the user of the reader waits for, measured in the
// reader's own window and processes on the default data beside the executable, each case
// beside a plain web view doing the same work; ends with one line per case and its ratio.
// The memory tour needs an X display (scripts/bench.sh runs it under Xvfb); the benchmark's
// own windows run offscreen unless QT_QPA_PLATFORM says otherwise. The modes --window-cases,
// --plain and --plain-tour are its child processes.
#include "case_report.h"
#include "gui_cases.h"
#include "process_memory.h"
#include "reader_setup.h"

#include "core/app/command_line_help.h"
#include "gui/app/graphics_setup.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
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

// The child processes' work, in a Qt application of their own.
int runChild(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    setUpGraphicsBeforeApplication();
    QApplication app(argc, argv);
    if (argc == 6 && std::strcmp(argv[1], "--plain") == 0)
        return runPlainChild(argv[2], std::stoi(argv[3]), std::stoi(argv[4]), std::stoi(argv[5]));
    if (argc == 4 && std::strcmp(argv[1], "--window-cases") == 0)
        return runWindowCasesChild(argv[2], std::stoi(argv[3]));
    return runPlainTourChild(argv[2], std::stoi(argv[3]), std::stoi(argv[4]));
}

bool isChildMode(int argc, char* argv[])
{
    return (argc == 6 && std::strcmp(argv[1], "--plain") == 0) || (argc == 4 && std::strcmp(argv[1], "--window-cases") == 0)
        || (argc == 5 && std::strcmp(argv[1], "--plain-tour") == 0);
}

} // namespace

int main(int argc, char* argv[])
{
    if (const auto answered = answerHelpOrVersion(
            argc, argv, "tilvane-gui-bench",
            "Usage: tilvane-gui-bench [--repetitions N]\nTimes sura changes, aya moves and the launch in the reader's "
            "window beside a plain web view, and samples the memory of its processes.\n",
            std::cout))
        return *answered;
    try {
        if (isChildMode(argc, argv))
            return runChild(argc, argv);
        int repetitions = kDefaultRepetitions;
        if (argc == 3 && std::strcmp(argv[1], "--repetitions") == 0)
            repetitions = std::max(1, std::stoi(argv[2]));
        else if (argc != 1) {
            std::fprintf(stderr, "usage: tilvane-gui-bench [--repetitions N]\n");
            return 2;
        }
        // This process only starts, drives and samples the others: without a Qt application
        // of its own it shares as few pages as possible with the processes it measures, and
        // the reader gets the environment unchanged.
        return runAll(repetitions);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tilvane-gui-bench: %s\n", error.what());
        return 1;
    }
}
