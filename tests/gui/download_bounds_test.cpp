#include "core/audio/install_selection.h"
#include "core/app/app_dirs.h"
#include "core/audio/reciter_layout.h"
#include "download/network_transfer.h"
#include "download/reciter_install_job.h"
#include "gui/support/gui_app.h"
#include "gui/support/local_http_server.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTest>

#include <csignal>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace tilvane;
using namespace tilvane::test;
using Answer = LocalHttpServer::Answer;
using std::chrono::milliseconds;

namespace {

const QByteArray kMp3 = QByteArray("\xFF\xFB\x90\x64", 4) + QByteArray(4096, '\x55');
constexpr std::uint64_t kNoDiskHasThisFree = std::numeric_limits<std::uint64_t>::max() / 2;

std::vector<std::string> partFilesBelow(const fs::path& root)
{
    std::vector<std::string> parts;
    std::error_code error;
    for (fs::recursive_directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
        if (it->path().extension() == ".part")
            parts.push_back(it->path().string());
    }
    return parts;
}

class DownloadBounds : public ::testing::Test {
protected:
    void SetUp() override { AppDirs.AudioDir = app.dir() + "res/audio/"; }

    void serveSura1(Answer answer, const QByteArray& body)
    {
        for (int aya = 1; aya <= 7; ++aya)
            server.serve(QString::fromStdString("/r/" + ayaFileName(1, aya)), body, answer);
    }
    int ayaRequests() const { return static_cast<int>(server.requests().filter(".mp3").size()) - formulaRequests(); }
    int formulaRequests() const
    {
        int count = 0;
        for (const std::string& name : formulaFileNames())
            count += static_cast<int>(server.requests().count("/r/" + QString::fromStdString(name)));
        return count;
    }

    Application& application = guiApp();
    LocalHttpServer server;
    TempFolder app;
};

} // namespace

// Whatever a server does, the install ends by itself, each file fails for its own reason,
// a retry is spent only where it could help, and no temporary file stays.
TEST_F(DownloadBounds, EachHostileServerEndsInANamedFailureWithinItsBounds)
{
    const struct {
        const char* what;
        Answer answer;
        QByteArray body;
        std::function<void(InstallLimits&)> narrow;
        const char* failure;
        int requestsPerAya;
    } cases[] = {
        {"an endless body without a length", Answer::Endless, kMp3, [](InstallLimits& l) { l.maxFileBytes = 2 << 20; },
         "larger than the 2 MB an aya file may have", 1},
        {"2 GB announced per aya", Answer::Huge, kMp3, [](InstallLimits&) {},
         "the server announces 2048 MB, more than the 32 MB", 1},
        {"a byte now and then", Answer::Trickle, kMp3,
         [](InstallLimits& l) {
             l.rateWindow = milliseconds(400);
             l.minBytesPerSecond = 1024;
         },
         "the transfer stalled", 2},
        {"a redirect to an unknown protocol", Answer::Redirect, "unknownscheme://127.0.0.1/001001.mp3",
         [](InstallLimits&) {}, "", 1},
        {"a disk without room", Answer::Body, kMp3, [](InstallLimits& l) { l.minFreeBytes = kNoDiskHasThisFree; },
         "the disk is full", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        serveSura1(c.answer, c.body);
        server.clearRequests();
        ReciterInstallJob job("web", server.url("r/"), ayatOfSuras({1}));
        job.setRetryDelays({milliseconds(10)});
        InstallLimits limits;
        c.narrow(limits);
        job.setLimits(limits);
        bool finished = false;
        QObject::connect(&job, &ReciterInstallJob::finished, [&] { finished = true; });
        job.start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return finished; }, 60000));

        EXPECT_EQ(job.summary().installed, 0);
        EXPECT_FALSE(job.summary().complete());
        for (const std::string& failure : job.summary().failures)
            EXPECT_NE(failure.find(c.failure), std::string::npos) << failure;
        EXPECT_EQ(ayaRequests(), 7 * c.requestsPerAya);
        EXPECT_EQ(partFilesBelow(app.path()), std::vector<std::string>{});
        EXPECT_LT(job.progress().bytes, 1);
    }
}

// A disk that fills while a file arrives stops that file at once, without a retry.
TEST_F(DownloadBounds, ATransferMeetingAFullDiskStopsWithoutARetry)
{
    server.serve("/r/001001.mp3", kMp3, Answer::Endless);
    NetworkTransfer transfer(QUrl(server.url("r/")));
    InstallLimits limits;
    limits.minFreeBytes = kNoDiskHasThisFree;
    transfer.setLimits(limits);
    transfer.setRetryDelays({milliseconds(10), milliseconds(10)});
    std::optional<TransferResult> result;
    const std::string part = (app / "001001.mp3.part").string();
    transfer.fetch("001001.mp3", part, [&](const TransferResult& r) { result = r; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, 60000));
    EXPECT_EQ(result->status, TransferResult::Status::Failed);
    EXPECT_NE(result->error.find("the disk is full"), std::string::npos) << result->error;
    EXPECT_EQ(server.requests().size(), 1);
}

// Ctrl-C or a kill of tilvane-reciter stops it as Cancel does: what is complete stays, no
// temporary file is left, and the exit status names the signal.
TEST_F(DownloadBounds, SigintAndSigtermLeaveNoPartFiles)
{
    for (int aya = 1; aya <= 6; ++aya)
        server.serve(QString::fromStdString("/r/" + ayaFileName(1, aya)), kMp3);
    server.serve("/r/001007.mp3", kMp3, Answer::Trickle);
    for (const int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        fs::remove_all(app / "res");
        QProcess tool;
        tool.start(QStringLiteral(TILVANE_BUILD_DIR "/tilvane-reciter"),
                   {"--app-dir", QString::fromStdString(app.dir()), "install", "web", server.url("r/"), "--suras", "1"});
        const fs::path part = app / "res/audio/web/001/001007.mp3.part";
        ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(part) && fs::exists(app / "res/audio/web/001/001006.mp3"); },
                                    60000));
        ::kill(static_cast<pid_t>(tool.processId()), signal);
        ASSERT_TRUE(QTest::qWaitFor([&] { return tool.state() == QProcess::NotRunning; }, 60000));
        EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(tool.exitCode(), 128 + signal);
        EXPECT_EQ(partFilesBelow(app / "res"), std::vector<std::string>{});
        EXPECT_TRUE(fs::exists(app / "res/audio/web/001/001006.mp3"));
    }
}
