#pragma once

#include <sys/types.h>

#include <chrono>

namespace tilvane::bench {

// The memory of a process and all its descendants (the web engine's zygotes, renderers and
// GPU/utility processes), in MB, from /proc/<pid>/smaps_rollup; processes that end meanwhile
// count 0. The proportional set size splits each shared page among the processes that map it,
// so it falls when another program maps the same libraries; the private part (pages mapped by
// one process only) does not depend on what else runs.
struct TreeMemory {
    double pss = 0;
    double privateBytes = 0; // Private_Clean + Private_Dirty, in MB
};

TreeMemory treeMemory(pid_t root);

inline double treePssMegabytes(pid_t root)
{
    return treeMemory(root).pss;
}

// The highest memory of a process tree over the samples taken: one every 250 ms while
// sampleIfDue is called often enough, plus those asked for with sample().
class PeakSampler {
public:
    explicit PeakSampler(pid_t root) : m_root(root) {}

    void sampleIfDue();
    void sample();

    double peakPss() const { return m_peak.pss; }
    double peakPrivate() const { return m_peak.privateBytes; }

private:
    pid_t m_root;
    TreeMemory m_peak;
    std::chrono::steady_clock::time_point m_last;
};

} // namespace tilvane::bench
