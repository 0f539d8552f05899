#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tilvane::test {

struct ExportRun {
    int exitCode = -1;
    std::string out; // what the program wrote to stdout
    std::string err; // what the program wrote to stderr
};

// Runs program with args, with TMPDIR and XDG_DATA_HOME set to folders of the caller's, and
// waits for it to end.
ExportRun runProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::filesystem::path& tmpDir, const std::filesystem::path& dataHome);

} // namespace tilvane::test
