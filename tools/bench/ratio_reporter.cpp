#include "ratio_reporter.h"

#include "cases.h"

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

bool endsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
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
        const std::string& name = run.run_name.function_name;
        if (m_milliseconds.find(name) == m_milliseconds.end())
            m_order.push_back(name);
        m_milliseconds[name] = toMilliseconds(run.GetAdjustedRealTime(), run.time_unit);
    }
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf("\nTime beside its floor (wall clock, median), load average %s:\n", loadAverage().c_str());
    for (const std::string& name : m_order) {
        if (endsWith(name, kFloorSuffix))
            continue;
        const auto floor = m_milliseconds.find(name + kFloorSuffix);
        if (floor == m_milliseconds.end() || floor->second <= 0) {
            std::printf("%-40s %10.3f ms  (no floor measured)\n", name.c_str(), m_milliseconds[name]);
            continue;
        }
        const double time = m_milliseconds[name];
        std::printf("%-40s %10.3f ms  floor %10.3f ms  ratio %.2f\n", name.c_str(), time, floor->second,
                    time / floor->second);
    }
    std::fflush(stdout);
}

} // namespace tilvane::bench
