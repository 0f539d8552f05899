// How the reader's window shows its pages: far ayat laid out lazily still land exactly at the
// top, also after a resize; the preface view is made only when a preface is opened, and its
// heading is not drawn over the text below it.
#include "gui/ui/main_window.h"

#include "gui/support/app_folder.h"
#include "gui/support/page_wait.h"
#include "gui/support/reader_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTreeWidget>
#include <QWebEngineView>

#include <cmath>
#include <memory>

using namespace tilvane;
using namespace tilvane::test;

namespace {

// The top of the marked aya in the view, once the ayat laid out for the scroll are handed
// back to the lazy layout (so nothing is left to move it).
double markedAyaTop(TfmMain& window)
{
    QWebEngineView* view = window.ui().wbQuran;
    EXPECT_TRUE(waitFor([&] {
        return evaluate(view, "document.querySelectorAll('div.aya[style*=\"content-visibility\"]').length").toInt() == 0;
    }));
    return evaluate(view, "document.querySelector('.selectedAya').getBoundingClientRect().top").toDouble();
}

// Where the heading's text ends and the text right after it begins, the start of the first paragraph.
QJsonObject boxes(QWebEngineView* view)
{
    const QString json = evaluate(view,
        "(function(){var r=document.createRange();r.selectNodeContents(document.querySelector('.TitleName'));"
        "var t=r.getBoundingClientRect();"
        "r.selectNode(document.querySelector('div.Title').nextSibling);var b=r.getBoundingClientRect();"
        "return JSON.stringify({titleBottom:t.bottom,textTop:b.top});})()").toString();
    return QJsonDocument::fromJson(json.toUtf8()).object();
}

} // namespace

TEST(PageDisplay, AFarAyaLaidOutLazilyLandsAtTheTopAndStaysThereAfterResizes)
{
    TestAppFolder app;
    std::unique_ptr<TfmMain> window = showReaderAt(app, 2, 1);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(evaluate(window->ui().wbQuran, "getComputedStyle(document.getElementById('2_280')).contentVisibility")
                  .toString(),
              "auto");

    window->ui().cbAya->setCurrentIndex(279);
    window->ui().actGotoSelectedSura->trigger();
    ASSERT_TRUE(showsAya(*window, 2, 280));
    const double focusMargin = evaluate(window->ui().wbQuran, "focusMargin").toDouble();
    EXPECT_NEAR(markedAyaTop(*window), focusMargin, 10);

    for (const QSize size : {QSize(700, 500), QSize(1100, 800)}) {
        window->resize(size);
        EXPECT_TRUE(waitFor([&] { return evaluate(window->ui().wbQuran, "window.innerWidth").toInt() == window->ui().wbQuran->width(); }));
        EXPECT_TRUE(waitFor([&] { return std::abs(markedAyaTop(*window) - focusMargin) <= 10; }))
            << "window " << size.width() << "x" << size.height();
    }
}

TEST(PageDisplay, ThePrefaceViewIsMadeOnFirstUseAndItsHeadingKeepsClearOfTheText)
{
    TestAppFolder app;
    std::unique_ptr<TfmMain> window = showReaderAt(app, 1, 1);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->ui().wbBukaTutup, nullptr);
    EXPECT_EQ(window->findChildren<QWebEngineView*>().size(), 1);

    for (int node : {0, 2}) { // the preface, then the closing page
        window->ui().tvContents->setCurrentItem(window->ui().tvContents->topLevelItem(0)->child(node));
        ASSERT_NE(window->ui().wbBukaTutup, nullptr);
        const QString page = node == 0 ? "s001a_fmt.htm" : "s001z_fmt.htm";
        ASSERT_TRUE(waitFor([&] {
            return window->ui().wbBukaTutup->url().fileName() == page
                && evaluate(window->ui().wbBukaTutup, "document.querySelector('div.Title') !== null").toBool();
        }));
        const QJsonObject box = boxes(window->ui().wbBukaTutup);
        EXPECT_LE(box["titleBottom"].toDouble(), box["textTop"].toDouble()) << page.toStdString();
    }
    EXPECT_EQ(window->findChildren<QWebEngineView*>().size(), 2) << "one preface view, reused";
}
