#include "ratio_reporter.h"

#include "beside_floor.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace tilvane::bench {

namespace {

double toMilliseconds(double time, benchmark::TimeUnit unit)
{
    switch (unit) {
    case benchmark::kNanosecond:
        return time / 1e6;
    case benchmark::kMicrosecond:
        return time / 1e3;
    case benchmark::kMillisecond:
        return time;
    case benchmark::kSecond:
        return time * 1e3;
    }
    return time;
}

std::string loadAverage()
{
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

} // namespace

void RatioReporter::ReportRuns(const std::vector<Run>& reports)
{
    ConsoleReporter::ReportRuns(reports);
    for (const Run& run : reports) {
        if (run.error_occurred || (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median"))
            continue;
        const auto floor = run.counters.find(kFloorCounter);
        Figures figures{run.run_name.function_name, toMilliseconds(run.GetAdjustedRealTime(), run.time_unit),
                        floor == run.counters.end() ? 0.0 : floor->second.value};
        // A median follows the single runs it summarises and takes their place.
        const auto known = std::find_if(m_figures.begin(), m_figures.end(),
                                        [&](const Figures& other) { return other.name == figures.name; });
        if (known == m_figures.end())
            m_figures.push_back(figures);
        else
            *known = figures;
    }
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf("\nTime beside its floor (wall clock per run, median), load average %s:\n", loadAverage().c_str());
    for (const Figures& figures : m_figures) {
        if (figures.floorMilliseconds <= 0) {
            std::printf("%-36s %10.3f ms  (no floor measured)\n", figures.name.c_str(), figures.milliseconds);
            continue;
        }
        std::printf("%-36s %10.3f ms  floor %10.3f ms  ratio %.2f\n", figures.name.c_str(), figures.milliseconds,
                    figures.floorMilliseconds, figures.milliseconds / figures.floorMilliseconds);
    }
    std::fflush(stdout);
}

} // namespace tilvane::bench
