#include "child_process.h"
#include "export_runner.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sstream>
#include <sys/wait.h>

using namespace tilvane::test;

namespace {

// True once the process has its own handler for signal (its catch mask in /proc says so).
bool catchesSignal(pid_t pid, int signal)
{
    std::istringstream status(readFile("/proc/" + std::to_string(pid) + "/status"));
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("SigCgt:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1) & 1) != 0;
    }
    return false;
}

} // namespace

// A reader runs; a second start with --goto hands the aya over and ends with 0; the first
// shows it; a SIGTERM then saves every setting before the reader ends, as closing would.
TEST(ReaderSessionEnd, ASecondStartHandsOverAndSigtermSavesTheSettings)
{
    TempFolder home;
    const std::filesystem::path app = home / "app";
    std::filesystem::create_directories(app);
    std::filesystem::create_directory_symlink(TILVANE_DEFAULT_RES, app / "res");
    const std::filesystem::path ini = app / "Tilvane.ini";
    writeFile(ini, "[quran]\r\nLastOpenedSura=1\r\nLastOpenedAya=1\r\n[keep]\r\nmine=1\r\n");

    ChildProcess first(TILVANE_READER_BINARY, {"--app-dir", app.string()}, home.path());
    ASSERT_TRUE(pollFor([&] { return catchesSignal(first.pid(), SIGTERM); }));

    const ExportRun second = runProgram(TILVANE_READER_BINARY, {"--app-dir", app.string(), "--goto", "2:255"},
                                        home / "tmp", home / "data");
    EXPECT_EQ(second.exitCode, 0) << second.err;
    // The first reader's position follows it to the settings file shortly after it shows it.
    ASSERT_TRUE(pollFor([&] { return readFile(ini).find("LastOpenedAya=255") != std::string::npos; }))
        << readFile(ini);
    EXPECT_EQ(readFile(ini).find("ArabicFontSize"), std::string::npos) << "saved before the end";

    const int status = first.stop(SIGTERM);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    const std::string saved = readFile(ini);
    for (const char* kept : {"LastOpenedSura=2\r\n", "LastOpenedAya=255\r\n", "ArabicFontSize=16\r\n",
                             "TransFontName=Tahoma\r\n", "Reciter=", "[keep]\r\nmine=1\r\n"})
        EXPECT_NE(saved.find(kept), std::string::npos) << kept << " missing from\n" << saved;

    const ExportRun badAya = runProgram(TILVANE_READER_BINARY, {"--app-dir", app.string(), "--goto", "2:287"},
                                        home / "tmp", home / "data");
    EXPECT_EQ(badAya.exitCode, 2);
    EXPECT_NE(badAya.err.find("2:287"), std::string::npos) << badAya.err;
}
