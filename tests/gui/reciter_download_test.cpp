#include "core/audio/install_selection.h"
#include "core/app/app_dirs.h"
#include "core/audio/reciter_layout.h"
#include "download/reciter_install_job.h"
#include "gui/support/gui_app.h"
#include "gui/support/local_http_server.h"
#include "gui/support/spoken_mp3.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace tilvane;
using namespace tilvane::test;
using Answer = LocalHttpServer::Answer;

namespace {

const QByteArray& spokenClip()
{
    static const QByteArray clip = [] {
        TempFolder folder;
        if (!makeSpokenMp3("one two", folder / "clip.mp3"))
            throw std::runtime_error("espeak-ng and lame are needed for the test recitation");
        return QByteArray::fromStdString(readFile(folder / "clip.mp3"));
    }();
    return clip;
}

std::vector<std::string> partFilesBelow(const fs::path& root)
{
    std::vector<std::string> parts;
    for (const auto& item : fs::recursive_directory_iterator(root)) {
        if (item.path().extension() == ".part")
            parts.push_back(item.path().filename().string());
    }
    return parts;
}

class ReciterDownload : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int aya = 1; aya <= 7; ++aya)
            serve(1, aya);
    }

    void serve(int sura, int aya, Answer answer = Answer::Body, int dropFirst = 0)
    {
        server.serve(QString::fromStdString("/r/" + ayaFileName(sura, aya)), spokenClip(), answer, dropFirst);
    }
    int requestsFor(const QString& name) const { return static_cast<int>(server.requests().count("/r/" + name)); }

    // The command-line tool with this test's application folder.
    QProcess* reciterTool(const QStringList& arguments)
    {
        auto* process = new QProcess(&owner);
        process->start(QStringLiteral(TILVANE_BUILD_DIR "/tilvane-reciter"),
                       QStringList{"--app-dir", QString::fromStdString(app.dir())} + arguments);
        return process;
    }
    int runToEnd(QProcess* process)
    {
        EXPECT_TRUE(QTest::qWaitFor([&] { return process->state() == QProcess::NotRunning; }, 120000));
        return process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
    }
    std::string installed(const std::string& relative) const { return app.dir() + "res/audio/web/" + relative; }

    // The server's socket needs the application's event dispatcher from its start.
    Application& application = guiApp();
    LocalHttpServer server;
    TempFolder app;
    QObject owner;
};

TEST_F(ReciterDownload, WebInstallKeepsGoodFilesAndNamesEachFailure)
{
    AppDirs.AudioDir = app.dir() + "res/audio/";
    serve(1, 3, Answer::NotFound);
    server.serve("/r/001004.mp3", "<html><body>Moved</body></html>");
    serve(1, 5, Answer::Drop, 99);
    serve(1, 6, Answer::Body, 1);
    server.serve("/r/audhubillah.mp3", spokenClip());

    ReciterInstallJob job("web", server.url("r"), ayatOfSuras({1}));
    job.setRetryDelays({std::chrono::milliseconds(10), std::chrono::milliseconds(20)});
    bool finished = false;
    QObject::connect(&job, &ReciterInstallJob::finished, [&] { finished = true; });
    job.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished; }, 60000));

    std::vector<std::string> failures = job.summary().failures;
    std::sort(failures.begin(), failures.end());
    ASSERT_EQ(failures.size(), 3u);
    EXPECT_EQ(failures[0], "001003.mp3: HTTP 404 Not Found");
    EXPECT_EQ(failures[1], "001004.mp3: not an MP3 file");
    EXPECT_EQ(failures[2].rfind("001005.mp3: ", 0), 0u) << failures[2];
    EXPECT_EQ(job.summary().installed, 5); // 1:1, 1:2, 1:6 (on its second try), 1:7, the audhubillah
    EXPECT_EQ(requestsFor("001005.mp3"), 3); // the first try and two retries
    EXPECT_EQ(requestsFor("001006.mp3"), 2);
    EXPECT_EQ(QByteArray::fromStdString(readFile(installed("001/001006.mp3"))), spokenClip());
    for (const char* missing : {"001/001003.mp3", "001/001004.mp3", "001/001005.mp3"})
        EXPECT_FALSE(fs::exists(installed(missing))) << missing;
    EXPECT_TRUE(partFilesBelow(app / "res").empty());
    EXPECT_TRUE(isReciterInstalled("web"));
}

TEST_F(ReciterDownload, CancelStopsAtOnceAndKeepsWhatIsComplete)
{
    AppDirs.AudioDir = app.dir() + "res/audio/";
    serve(1, 5, Answer::Stall);
    ReciterInstallJob job("web", server.url("r/"), ayatOfSuras({1}));
    bool finished = false;
    QObject::connect(&job, &ReciterInstallJob::finished, [&] { finished = true; });
    job.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(installed("001/001007.mp3")); }, 60000));

    job.cancel();
    // Settled before cancel returns: nothing waits for the stalled transfer.
    EXPECT_TRUE(job.summary().cancelled);
    EXPECT_TRUE(QTest::qWaitFor([&] { return finished; }, 60000));
    EXPECT_EQ(job.summary().installed, 6);
    EXPECT_TRUE(partFilesBelow(app / "res").empty());
    EXPECT_TRUE(isReciterInstalled("web"));
}

TEST_F(ReciterDownload, AKilledInstallLeavesNoFinalTruncatedFileAndTheNextRunFetchesOnlyTheRest)
{
    serve(1, 5, Answer::Stall);
    QProcess* first = reciterTool({"install", "web", server.url("r/"), "--suras", "1"});
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return fs::exists(installed("001/001007.mp3")) && fs::exists(installed("001/001005.mp3.part")); },
        60000));
    first->kill();
    runToEnd(first);
    EXPECT_FALSE(fs::exists(installed("001/001005.mp3")));

    serve(1, 5);
    server.clearRequests();
    QProcess* second = reciterTool({"install", "web", server.url("r/"), "--suras", "1"});
    EXPECT_EQ(runToEnd(second), 0) << second->readAllStandardError().toStdString();

    QStringList ayatFetched = server.requests().filter(QRegularExpression("/r/\\d+\\.mp3"));
    // The first aya is asked for its first bytes only, as a check that the source answers.
    EXPECT_EQ(ayatFetched, (QStringList{"/r/001001.mp3", "/r/001005.mp3"}));
    EXPECT_EQ(QByteArray::fromStdString(readFile(installed("001/001005.mp3"))), spokenClip());
    EXPECT_TRUE(partFilesBelow(app / "res").empty());
}

TEST_F(ReciterDownload, TheCommandInstallsFromAZipListsRemovesAndRefusesBadArguments)
{
    const std::vector<QStringList> badArguments{
        {},
        {"install", "web"},
        {"install", "web", server.url("r/"), "--suras", "0"},
        {"install", "../web", server.url("r/")},
        {"install", "web", QString::fromStdString((app / "nowhere").string())},
        {"install", "web", server.url("r/"), "--juz", "31"},
        {"install", "web", server.url("r/"), "--suras", "1", "--juz", "1"},
        {"uninstall", "web"},
    };
    for (const QStringList& arguments : badArguments)
        EXPECT_EQ(runToEnd(reciterTool(arguments)), 2) << arguments.join(' ').toStdString();

    // A web folder without its first aya is reported before anything is fetched.
    QProcess* silent = reciterTool({"install", "silent", server.url("silent/")});
    EXPECT_EQ(runToEnd(silent), 1);
    EXPECT_TRUE(silent->readAllStandardError().contains("does not answer with a recitation"));
    EXPECT_FALSE(fs::exists(app.dir() + "res/audio/silent"));

    QProcess* install = reciterTool({"install", "web", server.url("r/"), "--suras", "1"});
    EXPECT_EQ(runToEnd(install), 0);
    EXPECT_TRUE(install->readAllStandardError().contains("11/11 files"));
    // A ZIP holding the files in per-sura folders below one top folder.
    fs::create_directories(app / "zip" / "qari" / "114");
    for (int aya = 1; aya <= 6; ++aya)
        writeFile(app / "zip" / "qari" / ayaRelativePath(114, aya), spokenClip().toStdString());
    ASSERT_EQ(QProcess::execute("7zz", {"a", "-tzip", "-bso0", QString::fromStdString((app / "qari.zip").string()),
                                        QString::fromStdString((app / "zip" / "qari").string())}),
              0);
    EXPECT_EQ(runToEnd(reciterTool({"install", "zipped", QString::fromStdString((app / "qari.zip").string()),
                                    "--suras", "114"})),
              0);
    EXPECT_TRUE(fs::exists(app.dir() + "res/audio/zipped/114/114006.mp3"));
    EXPECT_FALSE(fs::exists(app.dir() + "res/audio/.zipped.unpack"));

    QProcess* list = reciterTool({"list"});
    EXPECT_EQ(runToEnd(list), 0);
    EXPECT_EQ(list->readAllStandardOutput(), "web\nzipped\n");
    EXPECT_EQ(runToEnd(reciterTool({"remove", "web"})), 0);
    EXPECT_FALSE(fs::exists(installed("")));
    EXPECT_EQ(runToEnd(reciterTool({"remove", "web"})), 1);
}

} // namespace
