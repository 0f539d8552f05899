// The sura page the reader asked for is the one that ends loaded and focused: whatever the
// timing of the requests, the working folder's name, or history moves the view offers.
#include "core/app/app_dirs.h"
#include "gui/support/page_wait.h"
#include "gui/support/reader_window.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

using namespace tilvane;
using namespace tilvane::test;

namespace {

QString shownFile(TfmMain& window)
{
    return QUrl(evaluate(window.ui().wbQuran, "document.URL").toString()).fileName();
}

// Measured: a press about as long after the last as a page takes to load makes the engine
// report the first load's end and carry out the second without a report of its own.
TEST(ReaderPageLoads, RapidSuraChangesEndOnTheLastRequestedSuraFocused)
{
    TestAppFolder app;
    auto window = showReaderAt(app, 1, 1);
    ASSERT_NE(window, nullptr);
    int sura = 1;
    const auto press = [&] {
        window->ui().actGotoSuraNext->trigger();
        sura = sura % 114 + 1;
    };
    for (int gap = 0; gap <= 90; gap += 3) {
        press();
        QTest::qWait(gap);
        press();
        ASSERT_TRUE(showsAya(*window, sura, 1)) << "second press " << gap << " ms after the first";
    }
    for (int count = 0; count < 10; ++count) {
        press();
        QTest::qWait(count % 3 * 20);
    }
    EXPECT_TRUE(showsAya(*window, sura, 1));
    window->ui().actGotoAyaNext->trigger();
    EXPECT_TRUE(showsAya(*window, sura, 2)) << "later moves still scroll and mark";
}

// The working root's URL is written into every page and compared with the one the engine
// reports; neither may depend on how the temporary folder is spelt.
class UnusualTempFolder : public ::testing::TestWithParam<const char*> {};

TEST_P(UnusualTempFolder, PagesLoadTheirScriptsAndAreFocused)
{
    const std::string scratch = std::string(std::getenv("TILVANE_TEST_PROCESS_DIR")) + "/";
    for (const char* folder : {"x", "y", "a&not", "b&copy"})
        std::filesystem::create_directories(scratch + folder);
    const std::string saved = std::getenv("TMPDIR");
    setenv("TMPDIR", (scratch + GetParam()).c_str(), 1);
    TestAppFolder app;
    setenv("TMPDIR", saved.c_str(), 1);

    auto window = showReaderAt(app, 2, 5);
    ASSERT_NE(window, nullptr) << AppDirs.TempDir;
    window->ui().actGotoSuraNext->trigger();
    EXPECT_TRUE(showsAya(*window, 3, 1));
}

INSTANTIATE_TEST_SUITE_P(Spellings, UnusualTempFolder, ::testing::Values("x/../y", "a&not", "b&copy/."),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(ReaderPageLoads, HistoryMovesLeaveTheShownSuraInPlace)
{
    TestAppFolder app;
    auto window = showReaderAt(app, 2, 3);
    ASSERT_NE(window, nullptr);
    window->ui().actGotoSuraNext->trigger();
    ASSERT_TRUE(showsAya(*window, 3, 1));
    const QString page = shownFile(*window);

    QWebEngineView* view = window->ui().wbQuran;
    QWidget* input = view->focusProxy() != nullptr ? view->focusProxy() : view;
    const std::function<void()> moves[] = {
        [&] {
            QTest::mouseMove(input, QPoint(20, 20));
            QTest::mousePress(input, Qt::BackButton, {}, QPoint(20, 20));
            QTest::mouseRelease(input, Qt::BackButton, {}, QPoint(20, 20), 30);
        },
        [&] { evaluate(view, "history.back(); 1"); },
        [&] { view->triggerPageAction(QWebEnginePage::Back); },
        [&] { view->triggerPageAction(QWebEnginePage::Forward); },
    };
    for (const auto& move : moves) {
        QSignalSpy started(view, &QWebEngineView::loadStarted);
        move();
        // A move the view takes starts a load at once; wait for it to end before looking.
        evaluate(view, "1");
        if (!started.isEmpty())
            waitFor([&] { return !view->page()->isLoading(); });
        EXPECT_EQ(shownFile(*window), page);
    }
    window->ui().actGotoAyaNext->trigger();
    EXPECT_TRUE(showsAya(*window, 3, 2));
}

} // namespace
