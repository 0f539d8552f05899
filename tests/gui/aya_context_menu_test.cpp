#include "gui/ui/aya_context_menu.h"

#include "gui/library/bookmark_tree.h"
#include "gui/library/topics_tab.h"
#include "gui/support/app_folder.h"
#include "gui/support/gui_app.h"
#include "gui/support/page_wait.h"
#include "gui/support/reader_window.h"
#include "gui/ui/aya_place_label.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>
#include <QTest>
#include <QWebEngineView>

using namespace tilvane;
using namespace tilvane::test;

namespace {

// The middle of an aya's block in view coordinates, after scrolling it into the view.
QPoint pointOfAya(QWebEngineView* view, const QString& id)
{
    const QVariantList box = evaluate(view, QStringLiteral("(function(){var e=document.getElementById('%1');"
                                                           "e.scrollIntoView({block:'center'});"
                                                           "var r=e.getBoundingClientRect();"
                                                           "return [r.left+r.width/2, r.top+r.height/2];})()")
                                                .arg(id))
                                 .toList();
    if (box.size() != 2)
        return {};
    return (QPointF(box[0].toDouble(), box[1].toDouble()) * view->zoomFactor()).toPoint();
}

} // namespace

// The right-click on 2:46 while 2:45 is current acts on 2:46: it becomes current, the
// bookmark entry speaks of it, and Copy aya puts its text and reference on the clipboard.
// Ctrl+C with nothing selected copies the current aya too.
TEST(AyaContextMenu, TheClickedAyaBecomesCurrentAndIsWhatTheMenuCopies)
{
    guiApp();
    TestAppFolder app;
    ErrorCapture errors;
    auto window = showReaderAt(app, 2, 45);
    ASSERT_NE(window, nullptr);
    AyaContextMenu* menu = window->ayaMenu();
    QWebEngineView* view = window->ui().wbQuran;

    window->ui().actToggleBookmark->trigger(); // 2:45 marked, 2:46 not
    ASSERT_TRUE(window->ui().actToggleBookmark->isChecked());

    std::optional<std::optional<TQuranPos>> shownFor;
    QObject::connect(menu, &AyaContextMenu::menuShown, menu, [&](std::optional<TQuranPos> pos) { shownFor = pos; });
    const QPoint point = pointOfAya(view, "2_46");
    ASSERT_FALSE(point.isNull());
    menu->showAt(point);
    ASSERT_TRUE(waitFor([&] { return shownFor.has_value(); }));
    ASSERT_TRUE(shownFor->has_value());
    EXPECT_EQ(**shownFor, (TQuranPos{2, 46}));
    EXPECT_EQ(window->navigator().FCurPos, (TQuranPos{2, 46}));
    EXPECT_FALSE(window->ui().actToggleBookmark->isChecked());
    // Where it stands in the printed mushaf, in the status bar.
    EXPECT_EQ(window->placeLabel()->text(), QString::fromUtf8("Juz 1 \u00B7 Hizb 1 \u00BD \u00B7 Page 7"));
    EXPECT_TRUE(menu->menu()->actions().contains(menu->copyAction()));
    menu->menu()->hide();

    menu->copyAction()->trigger();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->text().endsWith("(QS. Al-Baqarah [2]: 46)")) << copied->text().toStdString();
    EXPECT_TRUE(copied->html().contains("dir=\"rtl\"")) << copied->html().toStdString();
    const QString arabic = copied->text().section('\n', 0, 0);
    EXPECT_TRUE(arabic.contains(QChar(0x0644))) << arabic.toStdString(); // an Arabic letter

    // Add note bookmarks the clicked aya and opens its note in the Topics tab.
    menu->noteAction()->trigger();
    EXPECT_EQ(window->ui().pgcNav->currentWidget(), window->ui().tabTopics);
    EXPECT_EQ(window->topicsTab()->tree()->currentBookmark(), (TQuranPos{2, 46}));
    window->ui().pgcNav->setCurrentWidget(window->ui().tabQuran);

    QApplication::clipboard()->clear();
    window->ui().actGotoAyaNext->trigger();
    ASSERT_TRUE(showsAya(*window, 2, 47));
    evaluate(view, "window.getSelection().removeAllRanges()");
    view->setFocus();
    QTest::keyClick(view->focusProxy() ? view->focusProxy() : view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(waitFor([] { return QApplication::clipboard()->text().endsWith("[2]: 47)"); }))
        << QApplication::clipboard()->text().toStdString();
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join("\n").toStdString();
}
