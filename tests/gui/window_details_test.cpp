// Details a reader notices at once: clipped texts, keys that do nothing, hints and pages that
// do not follow what was clicked.
#include "gui/ui/main_window.h"

#include "gui/audio/audio_player_tab.h"

#include "core/app/settings.h"
#include "gui/support/app_folder.h"
#include "gui/support/gui_app.h"
#include "gui/support/page_wait.h"
#include "gui/support/reader_window.h"
#include "gui/ui/sura_select_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QWebEngineView>

#include <algorithm>
#include <memory>

using namespace tilvane;
using namespace tilvane::test;

namespace {

class WindowDetails : public ::testing::Test {
protected:
    void start(int sura, int aya)
    {
        window = showReaderAt(app, sura, aya);
        ASSERT_NE(window, nullptr);
    }

    // Clicks a node of the contents tree as the mouse does.
    void clickNode(QTreeWidgetItem* node)
    {
        QTreeWidget* tree = window->ui().tvContents;
        tree->scrollToItem(node);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
    }

    TestAppFolder app;
    ErrorCapture errors;
    std::unique_ptr<TfmMain> window;
};

// The right edge of a widget in its parent's coordinates.
int rightOf(const QWidget* widget)
{
    return widget->geometry().right();
}

} // namespace

TEST_F(WindowDetails, TextsAreNotClippedAndTheTopBarKeepsItsControlsApartWhenSmall)
{
    start(60, 1);
    window->resize(200, 150);
    QTest::qWait(0);
    const QFontMetrics boxFont(window->ui().cbSura->font());
    int longestName = 0;
    for (int index = 0; index < window->ui().cbSura->count(); ++index)
        longestName = std::max(longestName, boxFont.horizontalAdvance(window->ui().cbSura->itemText(index)));
    EXPECT_GE(window->ui().cbSura->width(), longestName + 20);
    EXPECT_LT(rightOf(window->ui().cbSura), window->ui().btnSearch->geometry().left());
    EXPECT_LT(rightOf(window->ui().btnGo), window->ui().tlb1->geometry().left());
    EXPECT_LE(rightOf(window->ui().tlb1), window->ui().panQuranNav1->width());

    TDlgSrchSura dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QHeaderView* header = dialog.ngQuranIdx->horizontalHeader();
    const QFontMetrics headerFont(header->font());
    for (int column = 0; column < header->count() - 1; ++column) {
        const QString title = dialog.ngQuranIdx->horizontalHeaderItem(column)->text();
        EXPECT_GT(header->sectionSize(column), headerFont.horizontalAdvance(title)) << title.toStdString();
    }
    EXPECT_FALSE(dialog.ngQuranIdx->horizontalScrollBar()->isVisible());
    EXPECT_LE(header->length(), dialog.ngQuranIdx->viewport()->width());
}

TEST_F(WindowDetails, AboutOpenedTwiceReturnsWithEnterToTheTabBefore)
{
    start(1, 1);
    window->ui().pgcNav->setCurrentIndex(0);
    window->ui().actAbout->trigger();
    window->ui().actAbout->trigger();
    QTest::keyClick(window->ui().btnOKAbout, Qt::Key_Return);
    EXPECT_EQ(window->ui().pgcNav->currentIndex(), 0);
    EXPECT_FALSE(window->ui().pgcNav->isTabVisible(window->ui().pgcNav->indexOf(window->ui().tabAbout)));
}

TEST_F(WindowDetails, VolumeSliderFillsWithLoudnessAndAHintChangedUnderTheMouseIsShown)
{
    start(1, 1);
    QSlider* slider = window->audioTab().controls().trbVolume;
    slider->setValue(800);
    EXPECT_EQ(AppSet.Volume, 800);
    EXPECT_FALSE(slider->invertedAppearance());
    QTest::keyClick(slider, Qt::Key_Up);
    EXPECT_GT(AppSet.Volume, 800);

    // The mouse rests on the speaker button while it is clicked.
    QToolButton* speaker = window->audioTab().controls().btnSpeaker;
    speaker->setAttribute(Qt::WA_UnderMouse);
    const QString before = speaker->statusTip();
    speaker->click();
    EXPECT_NE(speaker->statusTip(), before);
    EXPECT_EQ(window->ui().StatusBar1->currentMessage(), speaker->statusTip());
}

TEST_F(WindowDetails, ClosingNodeClickedAgainShowsItAndItsPageIsNotTimedAsASuraChange)
{
    qputenv("TILVANE_TIMINGS", "1");
    start(1, 1);
    qunsetenv("TILVANE_TIMINGS");
    QTreeWidgetItem* closing = window->ui().tvContents->topLevelItem(1)->child(2);
    clickNode(closing);
    ASSERT_EQ(window->ui().nbQuran->currentIndex(), 1);
    EXPECT_TRUE(waitFor([&] { return window->ui().wbBukaTutup->url().fileName().startsWith("s002"); }));
    EXPECT_FALSE(window->timings().pending());

    window->ui().actGotoAyaNext->trigger();
    ASSERT_TRUE(showsAya(*window, 2, 2));
    clickNode(closing);
    EXPECT_EQ(window->ui().nbQuran->currentIndex(), 1);
}
