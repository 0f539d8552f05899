#include "gui/ui/main_window.h"

#include "gui/audio/audio_player_tab.h"

#include "core/app/paths.h"
#include "gui/library/bookmark_tree.h"
#include "gui/library/library.h"
#include "gui/library/topics_tab.h"
#include "gui/search/search_tab.h"
#include "gui/support/app_folder.h"
#include "gui/support/gui_app.h"
#include "gui/support/page_wait.h"
#include "gui/support/reader_window.h"
#include "gui/ui/contents_tree_view.h"
#include "gui/ui/sura_select_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>

using namespace tilvane;
using namespace tilvane::test;

namespace {

QTreeWidgetItem* topLevelOf(QTreeWidgetItem* item)
{
    while (item != nullptr && item->parent() != nullptr)
        item = item->parent();
    return item;
}

QTreeWidgetItem* suraTextNode(QTreeWidget* contents, int sura)
{
    QTreeWidgetItem* suraNode = contents->topLevelItem(sura - 1);
    for (int i = 0; i < suraNode->childCount(); ++i)
        if (contentNodeOf(suraNode->child(i)).Kind == kContentSuraText)
            return suraNode->child(i);
    return nullptr;
}

QTreeWidgetItem* nodeNamed(QTreeWidget* tree, const QString& text, int column = 0)
{
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it)
        if ((*it)->text(column) == text)
            return *it;
    return nullptr;
}

} // namespace

// Every way of reaching an aya lands the same way: the reading tab and the sura page in
// front, the boxes and the contents node on the sura, the aya focused, and a recitation that
// was playing goes on at the new aya.
TEST(GoToAya, EveryWayToAnAyaShowsItTheSameWayAndKeepsARunningRecitationGoing)
{
    TestAppFolder app{TestAppFolder::Recitation::Synthetic};
    ErrorCapture errors;
    auto window = showReaderAt(app, 1, 1, "[audio]\r\nReciter=synthetic\r\nIsPlayContinue=0\r\n");
    ASSERT_NE(window, nullptr);
    const MainWindowUi& ui = window->ui();
    const AudioPlayerControls& player = window->audioTab().controls();
    window->library().toggle({114, 4});

    const struct {
        const char* way;
        QWidget* fromTab;
        std::function<void()> go;
        TQuranPos to;
    } cases[] = {
        {"the boxes and Go", ui.tabQuran,
         [&] {
             ui.cbSura->setCurrentIndex(1);
             ui.cbAya->setCurrentIndex(3);
             ui.btnGo->click();
         },
         {2, 4}},
        {"next aya", ui.tabQuran, [&] { ui.actGotoAyaNext->trigger(); }, {2, 5}},
        {"previous sura", ui.tabQuran, [&] { ui.actGotoSuraPrev->trigger(); }, {1, 1}},
        {"the contents tree", ui.tabQuran, [&] { ui.tvContents->setCurrentItem(suraTextNode(ui.tvContents, 114)); },
         {114, 1}},
        {"Select Sura", ui.tabQuran,
         [&] {
             QTimer::singleShot(0, [&] {
                 TDlgSrchSura* dialog = window->suraDialog();
                 QTest::keyClicks(dialog->edSearch, "baq");
                 QTest::keyClick(dialog->edSearch, Qt::Key_Return);
                 QTest::keyClick(dialog->ngQuranIdx, Qt::Key_Return);
             });
             ui.actSearchSura->trigger();
         },
         {2, 1}},
        {"a search hit", ui.tabSearch, [&] { emit ui.tabSearch->ayaChosen(9, 3); }, {9, 3}},
        {"an index node", ui.tvIndex->parentWidget(),
         [&] {
             ui.tvIndex->setCurrentItem(nodeNamed(ui.tvIndex, "Juz 11"));
             QTest::keyClick(ui.tvIndex, Qt::Key_Return);
         },
         {9, 93}},
        {"Go from Topics", ui.tabTopics,
         [&] {
             BookmarkTree* tree = window->topicsTab()->tree();
             tree->setCurrentItem(nodeNamed(tree, "114:4", 1));
             QTest::keyClick(tree, Qt::Key_Return);
         },
         {114, 4}},
        {"the player's next aya", ui.tabQuran, [&] { player.btnPlayNextAya->click(); }, {114, 5}},
    };
    for (const auto& c : cases) {
        ui.pgcNav->setCurrentWidget(c.fromTab);
        player.btnPlayPause->click();
        ASSERT_EQ(player.lblAuStatus->text(), "Playing") << c.way;
        c.go();
        const QString ayaFile = QString::fromStdString(ZeroPad(c.to.Sura, 3) + "/" + ZeroPad(c.to.Sura, 3)
                                                       + ZeroPad(c.to.Aya, 3) + ".mp3");
        EXPECT_EQ(player.lblAuStatus->text(), "Playing") << c.way;
        EXPECT_TRUE(QString::fromStdString(window->mediaDevice().fileName()).endsWith(ayaFile)) << c.way;
        player.btnStop->click();
        EXPECT_TRUE(showsAya(*window, c.to.Sura, c.to.Aya)) << c.way;
        EXPECT_EQ(ui.pgcNav->currentWidget(), ui.tabQuran) << c.way;
        EXPECT_EQ(ui.nbQuran->currentIndex(), 0) << c.way;
        EXPECT_EQ(ui.cbSura->currentIndex(), c.to.Sura - 1) << c.way;
        EXPECT_EQ(ui.cbAya->currentIndex(), c.to.Aya - 1) << c.way;
        EXPECT_EQ(topLevelOf(ui.tvContents->currentItem()), ui.tvContents->topLevelItem(c.to.Sura - 1)) << c.way;
    }
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join("\n").toStdString();
}
