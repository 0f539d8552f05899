#include "core/library/library_location.h"
#include "gui/library/bookmark_tree.h"
#include "gui/library/library.h"
#include "gui/library/topics_tab.h"
#include "gui/support/app_folder.h"
#include "gui/support/gui_app.h"
#include "gui/support/page_wait.h"
#include "gui/support/reader_window.h"
#include "gui/ui/main_window.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QWebEngineView>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

using namespace tilvane;
using namespace tilvane::test;

namespace {

// The ids of the ayat the page marks as bookmarked, joined by commas.
QString markedAyas(TfmMain& window)
{
    return evaluate(window.ui().wbQuran, "Array.prototype.map.call(document.querySelectorAll('span.bookmarkMark'),"
                                       " function (m) { return m.closest('.aya').id; }).join(',')")
        .toString();
}

QTreeWidgetItem* rowOf(BookmarkTree* tree, const QString& topic, const QString& position)
{
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it)
        if ((*it)->parent() != nullptr && (*it)->parent()->text(0) == topic && (*it)->text(1) == position)
            return *it;
    return nullptr;
}

} // namespace

TEST(TopicsTab, CtrlDMarksTheAyaAndListsItWithItsNoteAcrossARestart)
{
    TestAppFolder app;
    {
        std::unique_ptr<TfmMain> window = showReaderAt(app, 2, 255);
        ASSERT_NE(window, nullptr);
        window->activateWindow();
        QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
        EXPECT_TRUE(waitFor([&] { return markedAyas(*window) == "2_255"; }));

        window->ui().pgcNav->setCurrentWidget(window->ui().tabTopics);
        BookmarkTree* tree = window->topicsTab()->tree();
        QTreeWidgetItem* row = rowOf(tree, "Unsorted", "2:255");
        ASSERT_NE(row, nullptr);
        tree->setCurrentItem(row);
        QTest::keyClicks(window->topicsTab()->noteEditor(), "Ayat al-Kursi");
        // Saved as typed: no button, no close needed.
        EXPECT_TRUE(waitFor([&] {
            return window->library().read([](BookmarkStore& store) { return store.find({2, 255}); })->note == "Ayat al-Kursi";
        }));
        window->close();
    }
    std::unique_ptr<TfmMain> window = std::make_unique<TfmMain>();
    window->show();
    ASSERT_TRUE(showsAya(*window, 2, 255));
    EXPECT_TRUE(waitFor([&] { return markedAyas(*window) == "2_255"; }));
    QTreeWidgetItem* row = rowOf(window->topicsTab()->tree(), "Unsorted", "2:255");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text(3), "Ayat al-Kursi");

    // Removing it takes the mark away; Ctrl+Z brings bookmark, note and mark back.
    window->ui().actToggleBookmark->trigger();
    EXPECT_TRUE(waitFor([&] { return markedAyas(*window).isEmpty(); }));
    EXPECT_EQ(rowOf(window->topicsTab()->tree(), "Unsorted", "2:255"), nullptr);
    window->topicsTab()->undoAction()->trigger();
    EXPECT_TRUE(waitFor([&] { return markedAyas(*window) == "2_255"; }));
    row = rowOf(window->topicsTab()->tree(), "Unsorted", "2:255");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text(3), "Ayat al-Kursi");

    // Enter on a row goes there.
    window->ui().actGotoSuraNext->trigger();
    ASSERT_TRUE(showsAya(*window, 3, 1));
    window->ui().pgcNav->setCurrentWidget(window->ui().tabTopics);
    BookmarkTree* tree = window->topicsTab()->tree();
    tree->setCurrentItem(rowOf(tree, "Unsorted", "2:255"));
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_EQ(window->ui().pgcNav->currentWidget(), window->ui().tabQuran);
    EXPECT_TRUE(showsAya(*window, 2, 255));
}

TEST(MainWindowPlace, TheWindowReopensWhereItWasClosedClampedToTheScreens)
{
    TestAppFolder app;
    QRect place;
    QList<int> sizes;
    {
        std::unique_ptr<TfmMain> window = showReaderAt(app, 1, 1);
        ASSERT_NE(window, nullptr);
        // At the top of the screen, no smaller than the window allows.
        place = QRect(QPoint(12, 0), window->minimumSizeHint().expandedTo(QSize(700, 500)));
        window->setGeometry(place);
        window->ui().nxspltr1->setSizes({430, 250});
        ASSERT_TRUE(waitFor([&] { return window->geometry() == place; }));
        sizes = window->ui().nxspltr1->sizes();
        window->close();
    }
    {
        TfmMain window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        // The offscreen screen is lower than the window's least height: the platform may nudge
        // its top, so the size and the left edge are what must come back exactly.
        EXPECT_EQ(window.geometry().size(), place.size());
        EXPECT_EQ(window.geometry().x(), place.x());
        EXPECT_LE(std::abs(window.geometry().y() - place.y()), 2);
        EXPECT_EQ(window.ui().nxspltr1->sizes(), sizes);
    }
    // A place on a screen that is gone comes back onto the screen there is.
    writeFile(app.iniFile(), "[window]\r\nLeft=9000\r\nTop=9000\r\nWidth=700\r\nHeight=500\r\nMaximized=1\r\n");
    TfmMain window;
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(window.normalGeometry().topLeft()));
    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
}

TEST(TopicsTab, ADamagedLibraryLeavesTheReaderReadingAndCanBeMovedAside)
{
    TestAppFolder app;
    const std::string path = defaultLibraryPath();
    writeFile(path, std::string(4096, 'x'));
    std::unique_ptr<TfmMain> window = showReaderAt(app, 1, 1);
    ASSERT_NE(window, nullptr);
    window->ui().pgcNav->setCurrentWidget(window->ui().tabTopics);
    QLabel* problem = window->topicsTab()->problemLabel();
    EXPECT_TRUE(problem->isVisible());
    EXPECT_TRUE(problem->text().contains(QString::fromStdString(path) + "\" is damaged"));
    {
        ErrorCapture errors;
        window->ui().actToggleBookmark->trigger();
        EXPECT_EQ(errors.messages().size(), 1);
    }

    window->topicsTab()->findChild<QPushButton*>("btnLibraryMoveAside")->click();
    EXPECT_FALSE(problem->isVisible());
    window->ui().actToggleBookmark->trigger();
    EXPECT_TRUE(window->library().read([](BookmarkStore& store) { return store.contains({1, 1}); }));
    const auto aside = std::find_if(std::filesystem::directory_iterator(std::filesystem::path(path).parent_path()), {},
                                    [](const auto& entry) { return entry.path().filename().string().starts_with("library.db.damaged-"); });
    ASSERT_NE(aside, std::filesystem::directory_iterator());
    EXPECT_EQ(readFile(aside->path()), std::string(4096, 'x'));
}

// A library the user cannot write still lists its bookmarks; the note shows without being
// editable and a change is refused with a message saying the library is read-only.
TEST(TopicsTab, AReadOnlyLibraryListsItsBookmarksAndRefusesChangesAsReadOnly)
{
    TestAppFolder app;
    const std::string path = defaultLibraryPath();
    {
        BookmarkStore store(path);
        store.addToTopic({2, 255}, "Protection");
        store.setNote({2, 255}, "Ayat al-Kursi");
    }
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    std::unique_ptr<TfmMain> window = showReaderAt(app, 1, 1);
    ASSERT_NE(window, nullptr);
    window->ui().pgcNav->setCurrentWidget(window->ui().tabTopics);
    EXPECT_FALSE(window->topicsTab()->problemLabel()->isVisible());
    BookmarkTree* tree = window->topicsTab()->findChild<BookmarkTree*>();
    ASSERT_NE(tree, nullptr);
    QTreeWidgetItem* row = rowOf(tree, "Protection", "2:255");
    ASSERT_NE(row, nullptr);
    tree->setCurrentItem(row);
    auto* note = window->topicsTab()->findChild<QPlainTextEdit*>("edtNote");
    EXPECT_EQ(note->toPlainText(), "Ayat al-Kursi");
    EXPECT_TRUE(note->isReadOnly());

    ErrorCapture errors;
    window->ui().actToggleBookmark->trigger();
    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_TRUE(errors.messages()[0].contains("is read-only")) << errors.messages()[0].toStdString();
    EXPECT_TRUE(window->library().isAvailable());
    const auto listed = window->library().read([](BookmarkStore& store) { return store.list(); });
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].pos, (TQuranPos{2, 255}));
}
