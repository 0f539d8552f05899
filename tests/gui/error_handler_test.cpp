#include "gui/app/error_handler.h"

#include "core/base/errors.h"
#include "gui/support/gui_app.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <QTest>
#include <QTimer>

#include <functional>
#include <stdexcept>

using namespace tilvane;
using tilvane::test::ErrorCapture;
using tilvane::test::guiApp;

namespace {

constexpr int kDeadlineMs = 10000;

struct ThrowCase {
    const char* name;
    std::function<void()> fail;
    const char* expectedMessage;
};

class RunGuarded : public testing::TestWithParam<ThrowCase> {};

TEST_P(RunGuarded, ReportsTheMessageAndReturnsFalse)
{
    ErrorCapture capture;
    EXPECT_FALSE(runGuarded(GetParam().fail));
    EXPECT_EQ(capture.messages(), QStringList{GetParam().expectedMessage});
}

INSTANTIATE_TEST_SUITE_P(
    Exceptions, RunGuarded,
    testing::Values(ThrowCase{"StdException", [] { throw std::runtime_error("Disk is full"); }, "Disk is full"},
                    ThrowCase{"TilvaneError", [] { throw FileOpenError("/data/quran.txt"); },
                              "Cannot open file \"/data/quran.txt\"."},
                    ThrowCase{"Utf8Message", [] { throw std::runtime_error("Surat \xd8\xa7\xd9\x84"); },
                              "Surat \u0627\u0644"},
                    ThrowCase{"NotAnException", [] { throw 42; }, "Unexpected error"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunGuarded, CompletedCallReportsNothing)
{
    ErrorCapture capture;
    EXPECT_TRUE(runGuarded([] {}));
    EXPECT_TRUE(capture.messages().isEmpty());
}

TEST(Guarded, SlotTakesTheSignalsLeadingArgumentsOrNone)
{
    guiApp();
    QObject sender;
    QString received;
    int calls = 0;
    QObject::connect(&sender, &QObject::objectNameChanged, &sender,
                     guarded([&](const QString& name) { received = name; }));
    QObject::connect(&sender, &QObject::objectNameChanged, &sender, guarded([&] { ++calls; }));

    sender.setObjectName(QStringLiteral("cbSura"));

    EXPECT_EQ(received, QStringLiteral("cbSura"));
    EXPECT_EQ(calls, 1);
}

TEST(Guarded, ExceptionInSlotIsReportedAndEventLoopGoesOn)
{
    guiApp();
    ErrorCapture capture;
    QTimer failing;
    failing.setSingleShot(true);
    QObject::connect(&failing, &QTimer::timeout, &failing,
                     guarded([] { throw std::runtime_error("Unable to write to /x/Tilvane.ini"); }));
    bool laterTimerRan = false;
    failing.start(0);
    QTimer::singleShot(1, [&] { laterTimerRan = true; });

    ASSERT_TRUE(QTest::qWaitFor([&] { return laterTimerRan; }, kDeadlineMs));
    EXPECT_EQ(capture.messages(), QStringList{QStringLiteral("Unable to write to /x/Tilvane.ini")});
}

class ThrowingReceiver : public QObject {
public:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("Error in an event handler");
        return QObject::event(event);
    }
};

TEST(Application, ExceptionEscapingEventHandlerIsReportedAndEventLoopGoesOn)
{
    guiApp();
    ErrorCapture capture;
    ThrowingReceiver receiver;
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    bool laterTimerRan = false;
    QTimer::singleShot(1, [&] { laterTimerRan = true; });

    ASSERT_TRUE(QTest::qWaitFor([&] { return laterTimerRan && !capture.messages().isEmpty(); }, kDeadlineMs));
    EXPECT_EQ(capture.messages(), QStringList{QStringLiteral("Error in an event handler")});
}

} // namespace
