#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A click or key handled inside a wait re-enters whatever was waiting (the player halfway
// through a move, a dialog still being filled). Queued window-system input cannot be made
// portably from a test, so the waits themselves are checked: every event-processing call of
// the window code keeps user input queued.
TEST(EventWaits, NoWaitInTheWindowCodeLetsUserInputIn)
{
    const std::filesystem::path gui = std::filesystem::path(TILVANE_SOURCE_DIR) / "src" / "gui";
    std::vector<std::string> offending;
    int calls = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(gui)) {
        if (entry.path().extension() != ".cpp" && entry.path().extension() != ".h")
            continue;
        std::ifstream file(entry.path());
        std::string line;
        for (int number = 1; std::getline(file, line); ++number) {
            // The event processing calls and the local event loops the waits run.
            for (const char* call : {"processEvents(", "loop.exec("}) {
                const std::size_t at = line.find(call);
                if (at == std::string::npos || line.find("//") < at)
                    continue;
                ++calls;
                if (line.find("ExcludeUserInputEvents") == std::string::npos)
                    offending.push_back(entry.path().filename().string() + ":" + std::to_string(number) + ": " + line);
            }
        }
    }
    EXPECT_GT(calls, 0) << "the check found no waits at all: has the code moved?";
    std::ostringstream list;
    for (const std::string& line : offending)
        list << line << "\n";
    EXPECT_TRUE(offending.empty()) << list.str();
}

} // namespace
