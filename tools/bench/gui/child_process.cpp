#include "child_process.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <cstdlib>
#include <stdexcept>

namespace tilvane::bench {

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                           const std::map<std::string, std::string>& environment)
{
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot make a pipe for " + program);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    m_pid = ::fork();
    if (m_pid < 0)
        throw std::runtime_error("cannot start " + program);
    if (m_pid == 0) {
        for (const auto& [name, value] : environment)
            ::setenv(name.c_str(), value.c_str(), 1);
        ::dup2(pipeEnds[1], STDOUT_FILENO);
        ::dup2(pipeEnds[1], STDERR_FILENO);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    m_output = pipeEnds[0];
}

ChildProcess::~ChildProcess()
{
    if (m_pid > 0) {
        ::kill(m_pid, SIGTERM);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
    }
    if (m_output >= 0)
        ::close(m_output);
}

std::optional<std::string> ChildProcess::waitForLine(const std::string& prefix, std::chrono::milliseconds deadline,
                                                     const std::function<void()>& onTick)
{
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (std::chrono::steady_clock::now() < end) {
        for (std::size_t newline; (newline = m_buffer.find('\n')) != std::string::npos;) {
            std::string line = m_buffer.substr(0, newline);
            m_buffer.erase(0, newline + 1);
            if (line.rfind(prefix, 0) == 0)
                return line;
        }
        pollfd ready{m_output, POLLIN, 0};
        if (::poll(&ready, 1, 50) > 0) {
            char chunk[4096];
            const ssize_t read = ::read(m_output, chunk, sizeof chunk);
            if (read <= 0)
                return std::nullopt;
            m_buffer.append(chunk, static_cast<std::size_t>(read));
        }
        if (onTick)
            onTick();
    }
    return std::nullopt;
}

} // namespace tilvane::bench
