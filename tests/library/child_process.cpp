#include "child_process.h"

#include "support/temp_folder.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tilvane::test {

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& args,
                           const std::filesystem::path& home)
    : m_outFile(home / ("stdout-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count())))
{
    for (const char* name : {"tmp", "data", "config", "cache"})
        std::filesystem::create_directories(home / name);
    const int out = open(m_outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out < 0)
        throw std::runtime_error("cannot capture the program's output");
    m_pid = fork();
    if (m_pid == 0) {
        dup2(out, STDOUT_FILENO);
        setenv("TMPDIR", (home / "tmp").c_str(), 1);
        setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
        setenv("XDG_CACHE_HOME", (home / "cache").c_str(), 1);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(out);
    if (m_pid < 0)
        throw std::runtime_error("fork failed");
}

ChildProcess::~ChildProcess()
{
    if (m_pid > 0)
        stop(SIGKILL);
}

std::string ChildProcess::output() const
{
    return readFile(m_outFile);
}

int ChildProcess::stop(int signal)
{
    kill(m_pid, signal);
    int status = 0;
    while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_pid = -1;
    return status;
}

bool pollFor(const std::function<bool()>& condition, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

} // namespace tilvane::test
