// tilvane-bench: the reader's heavy steps on the default data beside the executable, each
// timed beside the physical floor of the same work, in folders of the run's own.
#include "cases.h"
#include "ratio_reporter.h"
#include "reader_setup.h"

#include "core/app/command_line_help.h"

#include <benchmark/benchmark.h>

#include <exception>
#include <iostream>

using namespace tilvane::bench;

int main(int argc, char** argv)
{
    if (const auto answered = tilvane::answerHelpOrVersion(
            argc, argv, "tilvane-bench",
            "Usage: tilvane-bench [Google Benchmark options, e.g. --benchmark_filter=REGEX]\n"
            "Times the reader's heavy steps on the default data, each beside the floor of the same work.\n",
            std::cout))
        return *answered;
    try {
        const ScratchFolders folders;
        // Loading once first also pays the one-time costs (font configuration, first
        // extraction) outside the measured runs.
        startReader(folders.root());
        registerLoadCases();
        registerPageCases();
        registerSearchCases(folders.root());
        registerTajweedCases();

        benchmark::Initialize(&argc, argv);
        if (benchmark::ReportUnrecognizedArguments(argc, argv))
            return 2;
        RatioReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        benchmark::Shutdown();
    } catch (const std::exception& error) {
        std::cerr << "tilvane-bench: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
