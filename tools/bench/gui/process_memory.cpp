#include "process_memory.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace tilvane::bench {

namespace {

// The parent of every running process.
std::multimap<pid_t, pid_t> childrenByParent()
{
    std::multimap<pid_t, pid_t> children;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line))
            continue;
        // The command name may hold blanks and brackets; the fields after its last ')' do not.
        std::istringstream fields(line.substr(line.rfind(')') + 2));
        char state = 0;
        pid_t parent = 0;
        if (fields >> state >> parent)
            children.emplace(parent, static_cast<pid_t>(std::stol(name)));
    }
    return children;
}

constexpr auto kSampleInterval = std::chrono::milliseconds(250);

// In kB, as the kernel reports them.
TreeMemory processMemory(pid_t pid)
{
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    TreeMemory memory;
    std::string key;
    double value = 0;
    while (rollup >> key) {
        if (key == "Pss:" && rollup >> value)
            memory.pss = value;
        else if (key == "Pss_Anon:" && rollup >> value)
            memory.anonymous = value;
        rollup.ignore(1 << 12, '\n');
    }
    return memory;
}

} // namespace

TreeMemory treeMemory(pid_t root)
{
    const std::multimap<pid_t, pid_t> children = childrenByParent();
    std::vector<pid_t> pending{root};
    TreeMemory total;
    while (!pending.empty()) {
        const pid_t pid = pending.back();
        pending.pop_back();
        const TreeMemory process = processMemory(pid);
        total.pss += process.pss / 1024.0;
        total.anonymous += process.anonymous / 1024.0;
        const auto [first, last] = children.equal_range(pid);
        for (auto it = first; it != last; ++it)
            pending.push_back(it->second);
    }
    return total;
}

int webEngineProcessCount()
{
    int count = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        std::ifstream comm(entry.path() / "comm");
        std::string name;
        // The kernel keeps the first 15 bytes of the name.
        if (std::getline(comm, name) && name == std::string("QtWebEngineProcess").substr(0, 15))
            ++count;
    }
    return count;
}

void PeakSampler::sampleIfDue()
{
    if (std::chrono::steady_clock::now() - m_last >= kSampleInterval)
        sample();
}

void PeakSampler::sample()
{
    m_last = std::chrono::steady_clock::now();
    const TreeMemory now = treeMemory(m_root);
    m_peak.pss = std::max(m_peak.pss, now.pss);
    m_peak.anonymous = std::max(m_peak.anonymous, now.anonymous);
}

} // namespace tilvane::bench

