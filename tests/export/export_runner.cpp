#include "export_runner.h"

#include "support/temp_folder.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tilvane::test {

namespace {

std::vector<std::string> environmentWith(const std::filesystem::path& tmpDir, const std::filesystem::path& dataHome)
{
    std::vector<std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (text.rfind("TMPDIR=", 0) != 0 && text.rfind("XDG_DATA_HOME=", 0) != 0)
            env.push_back(text);
    }
    env.push_back("TMPDIR=" + tmpDir.string());
    env.push_back("XDG_DATA_HOME=" + dataHome.string());
    return env;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

ExportRun runProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::filesystem::path& tmpDir, const std::filesystem::path& dataHome)
{
    TempFolder capture;
    const std::string outFile = (capture / "stdout").string();
    const std::string errFile = (capture / "stderr").string();
    std::vector<std::string> argv = {program};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<std::string> env = environmentWith(tmpDir, dataHome);
    std::vector<char*> argvPointers = pointersTo(argv);
    std::vector<char*> envPointers = pointersTo(env);

    const int out = open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out < 0 || err < 0)
        throw std::runtime_error("cannot capture the program's output");
    const pid_t child = fork();
    if (child == 0) {
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        execve(program.c_str(), argvPointers.data(), envPointers.data());
        _exit(127);
    }
    close(out);
    close(err);
    if (child < 0)
        throw std::runtime_error(std::string("fork failed: ") + std::strerror(errno));

    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    ExportRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readFile(outFile);
    run.err = readFile(errFile);
    return run;
}

} // namespace tilvane::test
