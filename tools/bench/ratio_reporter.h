#pragma once

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace tilvane::bench {

// The console report, followed by one line per case: its time, its floor's time and, last on
// the line, "ratio N.NN" (time divided by floor). With repetitions the medians are taken.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& reports) override;
    void Finalize() override;

private:
    struct Figures {
        std::string name;
        double milliseconds = 0;
        double floorMilliseconds = 0;
    };
    std::vector<Figures> m_figures; // in the order the cases ran
};

} // namespace tilvane::bench
