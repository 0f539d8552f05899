#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tilvane::test {

// A program started in the background with TMPDIR and the XDG folders below home, its
// stdout going to a file.
class ChildProcess {
public:
    ChildProcess(const std::string& program, const std::vector<std::string>& args, const std::filesystem::path& home);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return m_pid; }
    // What it has written to stdout so far.
    std::string output() const;
    // Sends signal and waits for the end; returns the wait status.
    int stop(int signal);

private:
    pid_t m_pid = -1;
    std::filesystem::path m_outFile;
};

// Polls until condition holds or a generous deadline passes.
bool pollFor(const std::function<bool()>& condition, int timeoutMs = 120000);

} // namespace tilvane::test
