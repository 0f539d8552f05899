#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tilvane::bench {

// A program started by the benchmark, with its standard output and error read through one
// pipe. It is ended (SIGTERM, then waited for) when the object goes.
class ChildProcess {
public:
    // Starts program with arguments and the current environment changed by `environment`.
    // Throws std::runtime_error when it cannot be started.
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                 const std::map<std::string, std::string>& environment = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return m_pid; }

    // Waits for an output line that starts with prefix and returns it; nothing when the
    // program ends or the deadline passes first. While waiting, onTick runs every 50 ms.
    std::optional<std::string> waitForLine(const std::string& prefix, std::chrono::milliseconds deadline,
                                           const std::function<void()>& onTick = {});

private:
    pid_t m_pid = -1;
    int m_output = -1;
    std::string m_buffer;
};

} // namespace tilvane::bench
