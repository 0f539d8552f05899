// The Index tab: its nodes show where they start and lead there as Go does.
#include "gui/support/gui_app.h"
#include "gui/support/reader_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

using namespace tilvane;
using namespace tilvane::test;

namespace {

QTreeWidgetItem* indexNode(TfmMain& window, const QString& text)
{
    QTreeWidget* tree = window.ui().tvIndex;
    QTreeWidgetItem* node = TfmMain::FindTreeNode(tree, text, false);
    if (node != nullptr) {
        for (QTreeWidgetItem* parent = node->parent(); parent != nullptr; parent = parent->parent())
            parent->setExpanded(true);
        tree->scrollToItem(node);
    }
    return node;
}

TEST(IndexTab, DoubleClickOrEnterOnANodeGoesToWhereItStarts)
{
    TestAppFolder app;
    ErrorCapture errors;
    auto window = showReaderAt(app, 1, 1);
    ASSERT_NE(window, nullptr);
    QTreeWidget* tree = window->ui().tvIndex;
    window->ui().pgcNav->setCurrentIndex(window->ui().pgcNav->indexOf(tree->parentWidget()));
    EXPECT_EQ(tree->topLevelItemCount(), 32); // 30 juz, the pages, the sajda ayat

    QTreeWidgetItem* juz30 = indexNode(*window, "Juz 30");
    ASSERT_NE(juz30, nullptr);
    EXPECT_EQ(juz30->text(1), "An-Naba' 78:1");
    // A user's double-click begins with a press; the view acts only on a node it saw pressed.
    const QPoint juz30Centre = tree->visualItemRect(juz30).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, juz30Centre);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, juz30Centre);
    EXPECT_TRUE(showsAya(*window, 78, 1));
    EXPECT_EQ(window->ui().pgcNav->currentWidget(), window->ui().tabQuran);
    EXPECT_EQ(window->ui().cbAya->currentText(), "1");

    // A node that only groups others leads nowhere; Enter on a sajda aya goes to it.
    window->ui().pgcNav->setCurrentIndex(window->ui().pgcNav->indexOf(tree->parentWidget()));
    tree->setCurrentItem(indexNode(*window, "Sajdah"));
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_EQ(window->ui().pgcNav->currentWidget(), tree->parentWidget());
    QTreeWidgetItem* sajda = indexNode(*window, "Sajdah 1");
    ASSERT_NE(sajda, nullptr);
    tree->setCurrentItem(sajda);
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_TRUE(showsAya(*window, 7, 206));
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join("\n").toStdString();
}

} // namespace
