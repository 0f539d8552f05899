#pragma once

#include <sys/types.h>

#include <chrono>

namespace tilvane::bench {

// The memory of a process and all its descendants (the web engine's zygotes, renderers and
// GPU/utility processes), in MB, from /proc/<pid>/smaps_rollup; processes that end meanwhile
// count 0. The proportional set size splits each shared page among the processes that map it,
// so it falls when another program maps the same libraries; the anonymous part (heaps, stacks,
// the engine's own allocations, shared only within the tree) does not depend on what else runs.
struct TreeMemory {
    double pss = 0;
    double anonymous = 0; // the tree's Pss_Anon
};

TreeMemory treeMemory(pid_t root);

// How many web engine helper processes run on the machine (other programs' included): while
// any run, the proportional set sizes measured are lower than on a quiet machine.
int webEngineProcessCount();

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
    double peakAnonymous() const { return m_peak.anonymous; }

private:
    pid_t m_root;
    TreeMemory m_peak;
    std::chrono::steady_clock::time_point m_last;
};

} // namespace tilvane::bench
