#include "case_report.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace tilvane::bench {

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void printReport(const std::vector<CaseFigures>& cases, int otherEngineProcesses)
{
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    std::printf("\nWhat the user waits for, beside a plain web view doing the same (median), load average %s %s %s, "
                "%d web engine processes of other programs at the start:\n",
                one.c_str(), five.c_str(), fifteen.c_str(), otherEngineProcesses);
    for (const CaseFigures& figures : cases) {
        const double value = median(figures.values);
        const double floor = median(figures.floors);
        std::printf("%-36s %10.3f %s  floor %10.3f %s", figures.name.c_str(), value, figures.unit.c_str(), floor,
                    figures.unit.c_str());
        if (!figures.note.empty())
            std::printf("  (%s)", figures.note.c_str());
        std::printf("  ratio %.2f\n", floor > 0 ? value / floor : 0.0);
    }
    std::fflush(stdout);
}

} // namespace tilvane::bench
