#include "export_runner.h"
#include "support/temp_folder.h"

#include <QGuiApplication>
#include <QPdfDocument>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

namespace fs = std::filesystem;
using namespace tilvane::test;

namespace {

std::set<std::string> filesBelow(const fs::path& root)
{
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        files.insert(entry.path().string());
    return files;
}

// The build installed once into a prefix of this test process; each test runs the installed
// tools with a home (XDG folders and TMPDIR) of its own.
class InstalledTools : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_prefix = new TempFolder;
        const std::string command = std::string(TILVANE_CMAKE_COMMAND) + " --install '" + TILVANE_BUILD_DIR
            + "' --prefix '" + s_prefix->path().string() + "' >/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    static void TearDownTestSuite()
    {
        delete s_prefix;
        s_prefix = nullptr;
    }

    void SetUp() override
    {
        fs::create_directories(home / "tmp");
        setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    }

    ExportRun exportPage(const std::vector<std::string>& args)
    {
        return runProgram((s_prefix->path() / "bin/tilvane-export").string(), args, home / "tmp", home / "data");
    }

    static TempFolder* s_prefix;
    TempFolder home;
};

TempFolder* InstalledTools::s_prefix = nullptr;

TEST_F(InstalledTools, ExportReadsTheSharedDataAndKeepsSettingsInTheUsersFolder)
{
    const fs::path prefix = s_prefix->path();
    for (const char* file : {"bin/tilvane", "share/tilvane/Tilvane.ini", "share/tilvane/res/lib.tvz",
                             "share/applications/example.tilvane.Tilvane.desktop",
                             "share/metainfo/example.tilvane.Tilvane.metainfo.xml",
                             "share/icons/hicolor/256x256/apps/example.tilvane.Tilvane.png",
                             "share/doc/tilvane/copyright"})
        EXPECT_TRUE(fs::exists(prefix / file)) << file;
    const std::set<std::string> installed = filesBelow(prefix);

    const ExportRun run = exportPage({"--sura", "1", "--out", (home / "1.html").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(readFile(home / "1.html").find("<html"), std::string::npos);
    EXPECT_EQ(readFile(home / "config/tilvane/Tilvane.ini"), readFile(prefix / "share/tilvane/Tilvane.ini"));
    EXPECT_TRUE(fs::is_directory(home / "data/tilvane/audio"));
    EXPECT_EQ(filesBelow(prefix), installed) << "the installed tree must stay read-only";
}

TEST_F(InstalledTools, PdfOfASuraHasItsTextAndAFailedWriteNamesTheFile)
{
    const fs::path pdf = home / "Al-Fatihah.pdf";
    const ExportRun run = exportPage({"--sura", "1", "--pdf", "--out", pdf.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readFile(pdf).substr(0, 5), "%PDF-");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "install_test";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    QPdfDocument document;
    ASSERT_EQ(document.load(QString::fromStdString(pdf.string())), QPdfDocument::Error::None);
    ASSERT_GE(document.pageCount(), 1);
    EXPECT_TRUE(document.getAllText(0).text().contains("Pengasih")) << document.getAllText(0).text().toStdString();

    const fs::path unwritable = home / "missing-folder" / "x.pdf";
    const ExportRun failed = exportPage({"--sura", "1", "--pdf", "--out", unwritable.string()});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_NE(failed.err.find(unwritable.string()), std::string::npos) << failed.err;
    EXPECT_FALSE(fs::exists(unwritable.parent_path()));
}

} // namespace
