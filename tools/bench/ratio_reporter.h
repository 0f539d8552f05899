#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace tilvane::bench {

// The console report, followed by one line per case: its time, its floor's time and, last on
// the line, "ratio N.NN" (time divided by floor). With repetitions the median is taken.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& reports) override;
    void Finalize() override;

private:
    std::vector<std::string> m_order;
    std::map<std::string, double> m_milliseconds;
};

} // namespace tilvane::bench
