#include "gui/render/wb_container.h"

#include "core/app/app_dirs.h"

#include "gui/support/gui_app.h"
#include "gui/support/page_wait.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <memory>

using namespace tilvane;
using namespace tilvane::test;

namespace {

class BrowserHost : public ::testing::Test {
protected:
    void SetUp() override
    {
        guiApp();
        // Pages load only from the working root.
        AppDirs = makeAppDirs(folder.dir(), folder.dir());
        view = std::make_unique<QWebEngineView>();
        view->resize(400, 300);
        view->show();
        host = new TWBContainer(view.get());
        writeFile(folder / "page.html", "<html><body><p id='x'>text</p></body></html>");
    }

    bool show(const char* name = "page.html")
    {
        // A refused navigation may still report its end while the next page loads.
        QSignalSpy finished(view.get(), &QWebEngineView::loadFinished);
        host->Navigate((folder / name).string());
        return waitFor([&] {
            return !finished.isEmpty() && finished.last().at(0).toBool() && view->url().fileName() == name;
        });
    }

    bool runChecked(const QString& script)
    {
        bool done = false;
        bool completed = false;
        host->runScriptChecked(script, [&](bool ok) {
            completed = ok;
            done = true;
        });
        waitFor([&] { return done; });
        return completed;
    }

    TempFolder folder;
    std::unique_ptr<QWebEngineView> view;
    TWBContainer* host = nullptr;
};

} // namespace

TEST_F(BrowserHost, ScriptRunsReportCompletionOnlyWhenTheScriptCompleted)
{
    ASSERT_TRUE(show());
    EXPECT_TRUE(runChecked("document.getElementById('x')"));
    EXPECT_FALSE(runChecked("focusOnAya(1, 1)")) << "an undefined function throws";
    EXPECT_FALSE(runChecked("throw new Error('x')"));
}

TEST_F(BrowserHost, PagesCannotLeaveTheLocalFiles)
{
    ASSERT_TRUE(show());
    const QUrl local = view->url();
    evaluate(view.get(), "window.location.href = 'http://example.invalid/'; 1");
    EXPECT_TRUE(waitFor([&] { return !view->page()->isLoading(); }, 10000));
    EXPECT_EQ(view->url(), local);
    // A request from inside the page is blocked too: the image never loads.
    writeFile(folder / "remote.html", "<html><body><img id='i' src='http://example.invalid/a.png'></body></html>");
    ASSERT_TRUE(show("remote.html"));
    EXPECT_TRUE(waitFor([&] { return evaluate(view.get(), "document.getElementById('i').complete").toBool(); }, 10000));
    EXPECT_EQ(evaluate(view.get(), "document.getElementById('i').naturalWidth").toInt(), 0);
}

TEST_F(BrowserHost, OptionsAreReadWhenAPageLoads)
{
    host->TextSelectable = false;
    host->ScrollBarsVisible = false;
    ASSERT_TRUE(show());
    EXPECT_FALSE(view->settings()->testAttribute(QWebEngineSettings::ShowScrollBars));
    EXPECT_TRUE(waitFor([&] {
        return evaluate(view.get(), "getComputedStyle(document.getElementById('x')).userSelect").toString() == "none";
    }, 10000));

    host->TextSelectable = true;
    EXPECT_EQ(evaluate(view.get(), "getComputedStyle(document.getElementById('x')).userSelect").toString(), "none")
        << "a page already shown keeps the options it was loaded with";
}

TEST_F(BrowserHost, RightClickShowsTheWindowsMenuOrNoneAtAll)
{
    host->UseControlPopupMenu = true;
    ASSERT_TRUE(show());
    EXPECT_EQ(view->contextMenuPolicy(), Qt::CustomContextMenu);
    emit view->customContextMenuRequested(QPoint(10, 10));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "no menu assigned: no menu at all";

    QMenu menu;
    menu.addAction("Reload");
    host->setPopupMenu(&menu);
    emit view->customContextMenuRequested(QPoint(10, 10));
    EXPECT_TRUE(waitFor([&] { return menu.isVisible(); }, 5000));
    menu.close();

    host->UseControlPopupMenu = false;
    ASSERT_TRUE(show());
    EXPECT_EQ(view->contextMenuPolicy(), Qt::DefaultContextMenu) << "the engine's own menu";
}
