#pragma once

#include <string>
#include <vector>

namespace tilvane::bench {

// One measured case: its values and its floor's, in one unit, taken alternately.
struct CaseFigures {
    std::string name;
    std::string unit; // "ms" or "MB"
    std::vector<double> values;
    std::vector<double> floors;
    std::string note; // printed before the ratio, may be empty
};

double median(std::vector<double> values);

// One line per case, like tilvane-bench's: the median, its floor's median and, last on the
// line, "ratio N.NN"; headed by the load average and the web engine processes of other
// programs found at the start, since the machine may be shared.
void printReport(const std::vector<CaseFigures>& cases, int otherEngineProcesses);

} // namespace tilvane::bench
