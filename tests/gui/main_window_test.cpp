#include "gui/ui/main_window.h"

#include "core/app/app_dirs.h"
#include "core/base/ini_file.h"
#include "core/app/settings.h"
#include "gui/render/wb_container.h"
#include "gui/support/gui_app.h"
#include "gui/support/page_wait.h"
#include "gui/support/reader_window.h"
#include "gui/support/app_folder.h"
#include "gui/ui/sura_select_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QWebEngineView>

#include <filesystem>
#include <memory>

using namespace tilvane;
using namespace tilvane::test;

namespace {

class MainWindow : public ::testing::Test {
protected:
    // Shows the reader at a saved position and waits until that aya is focused in its page.
    void start(int sura = 1, int aya = 1)
    {
        window = showReaderAt(app, sura, aya);
        ASSERT_NE(window, nullptr);
    }

    Navigator& nav() { return window->navigator(); }

    bool waitForFocus(int sura, int aya) { return showsAya(*window, sura, aya); }

    void trigger(QAction* action) { action->trigger(); }

    TestAppFolder app;
    ErrorCapture errors;
    std::unique_ptr<TfmMain> window;
};

} // namespace

TEST_F(MainWindow, StartsAtTheSavedAyaWithBoxesAndLabelsFilled)
{
    start(2, 255);
    EXPECT_EQ(window->ui().cbSura->count(), 114);
    EXPECT_EQ(window->ui().cbSura->currentText(), "002. Al-Baqarah");
    EXPECT_EQ(window->ui().cbAya->count(), 286);
    EXPECT_EQ(window->ui().cbAya->currentText(), "255");
    EXPECT_EQ(window->ui().lblQuranStatus->text(), "255/286");
    EXPECT_FALSE(window->ui().lblSuraNameTrans->text().isEmpty());
    EXPECT_EQ(window->ui().tvContents->topLevelItemCount(), 114);
    EXPECT_EQ(window->ui().tvIndex->topLevelItemCount(), 32);
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join("\n").toStdString();
}

TEST_F(MainWindow, AyaCommandsScrollInsideTheSuraAndRebuildAcrossIt)
{
    start(1, 6);
    trigger(window->ui().actGotoAyaNext);
    EXPECT_TRUE(waitForFocus(1, 7));
    trigger(window->ui().actGotoAyaNext);
    EXPECT_TRUE(waitForFocus(2, 1));
    EXPECT_TRUE(std::filesystem::exists(AppDirs.SuraDir + "S002_ar_in.html"));
    trigger(window->ui().actGotoAyaPrev);
    EXPECT_TRUE(waitForFocus(1, 7));
}

TEST_F(MainWindow, CommandsWrapAroundAtBothEnds)
{
    start(1, 1);
    trigger(window->ui().actGotoAyaPrev);
    EXPECT_TRUE(waitForFocus(114, 6));
    trigger(window->ui().actGotoAyaNext);
    EXPECT_TRUE(waitForFocus(1, 1));
    trigger(window->ui().actGotoSuraPrev);
    EXPECT_TRUE(waitForFocus(114, 1));
    trigger(window->ui().actGotoSuraNext);
    EXPECT_TRUE(waitForFocus(1, 1));
}

TEST_F(MainWindow, PickedSuraThenNextAyaShowsItsSecondAya)
{
    start(1, 3);
    window->ui().cbSura->setCurrentIndex(4);
    EXPECT_EQ(nav().FCurPos, (TQuranPos{1, 3}));
    trigger(window->ui().actGotoAyaNext);
    EXPECT_TRUE(waitForFocus(5, 2));
}

TEST_F(MainWindow, GoShowsTheBoxesPositionAndSelectsTheSuraNode)
{
    start(1, 1);
    window->ui().cbSura->setCurrentIndex(35);
    window->ui().cbAya->setCurrentIndex(9);
    trigger(window->ui().actGotoSelectedSura);
    EXPECT_TRUE(waitForFocus(36, 10));
    ASSERT_NE(window->ui().tvContents->currentItem(), nullptr);
    EXPECT_EQ(window->ui().tvContents->currentItem()->text(0), "036. Yaasiin");
}

TEST_F(MainWindow, PrefaceOfAnotherSuraThenNextAyaReturnsToTheSuraPage)
{
    start(1, 4);
    QTreeWidgetItem* preface = window->ui().tvContents->topLevelItem(2)->child(0);
    window->ui().tvContents->setCurrentItem(preface);
    EXPECT_EQ(window->ui().nbQuran->currentIndex(), 1);
    EXPECT_TRUE(waitFor([&] { return window->ui().wbBukaTutup->url().fileName() == "s003a_fmt.htm"; }));
    EXPECT_EQ(nav().FCurPos, (TQuranPos{3, 1}));

    trigger(window->ui().actGotoAyaNext);
    EXPECT_EQ(window->ui().nbQuran->currentIndex(), 0);
    EXPECT_TRUE(waitForFocus(3, 2));
}

TEST_F(MainWindow, ReloadUnderAPrefaceRebuildsWithoutSwitchingPages)
{
    start(4, 2);
    window->ui().tvContents->setCurrentItem(window->ui().tvContents->topLevelItem(3)->child(2));
    ASSERT_EQ(window->ui().nbQuran->currentIndex(), 1);
    const auto page = AppDirs.SuraDir + "S004_ar_in.html";
    std::filesystem::remove(page);
    trigger(window->ui().actReloadSura);
    EXPECT_TRUE(std::filesystem::exists(page));
    EXPECT_EQ(window->ui().nbQuran->currentIndex(), 1);
}

TEST_F(MainWindow, SuratNodeOfTheShownSuraBringsThePageBackAtTheRequestedAya)
{
    start(2, 20);
    window->ui().tvContents->setCurrentItem(window->ui().tvContents->topLevelItem(1)->child(0));
    ASSERT_EQ(window->ui().nbQuran->currentIndex(), 1);
    window->ui().tvContents->setCurrentItem(window->ui().tvContents->topLevelItem(1)->child(1));
    EXPECT_EQ(window->ui().nbQuran->currentIndex(), 0);
    EXPECT_TRUE(waitForFocus(2, 20));
}

TEST_F(MainWindow, ClosingSavesTheShownPositionNotThePickedOne)
{
    start(3, 7);
    window->ui().cbSura->setCurrentIndex(9);
    window->close();
    const IniFile saved = IniFile::load(app.iniFile());
    EXPECT_EQ(saved.readInteger("quran", "LastOpenedSura", 0), 3);
    EXPECT_EQ(saved.readInteger("quran", "LastOpenedAya", 0), 7);
}

TEST_F(MainWindow, AFailedStartUpKeepsTheLastReadPosition)
{
    std::filesystem::remove(AppDirs.AppDir + "res");
    writeFile(app.iniFile(), "[quran]\r\nLastOpenedSura=9\r\nLastOpenedAya=4\r\n");
    window = std::make_unique<TfmMain>();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_TRUE(errors.messages()[0].startsWith("Cannot open file")) << errors.messages()[0].toStdString();
    window->close();
    const IniFile saved = IniFile::load(app.iniFile());
    EXPECT_EQ(saved.readInteger("quran", "LastOpenedSura", 0), 9);
    EXPECT_EQ(saved.readInteger("quran", "LastOpenedAya", 0), 4);
}

TEST_F(MainWindow, AStartUpThatFailsBeforeTheWindowShowsIsToldWhenItShows)
{
    std::filesystem::remove(AppDirs.AppDir + "res");
    window = std::make_unique<TfmMain>();
    window->loadBeforeShow();
    EXPECT_TRUE(errors.messages().isEmpty()) << "nothing may open behind the splash";
    window->show();
    ASSERT_TRUE(waitFor([&] { return !errors.messages().isEmpty(); }));
    EXPECT_TRUE(errors.messages()[0].startsWith("Cannot open file")) << errors.messages()[0].toStdString();
    EXPECT_EQ(errors.messages().size(), 1);
}

TEST_F(MainWindow, AFailingFocusScriptIsReportedAndThePositionStays)
{
    start(1, 1);
    // A page without the page scripts.
    const std::string bare = AppDirs.SuraDir + "bare.html";
    writeFile(bare, "<html><body><p id='1_2'>x</p></body></html>");
    window->QuranHost()->Navigate(bare);
    ASSERT_TRUE(waitFor([&] { return window->ui().wbQuran->url().fileName() == "bare.html" && nav().FDocLoaded; }));
    trigger(window->ui().actGotoAyaNext);
    EXPECT_TRUE(waitFor([&] { return errors.messages().contains("Error running JavaScript"); }));
    EXPECT_EQ(nav().FCurPos, (TQuranPos{1, 2}));
}

TEST_F(MainWindow, AboutShowsItsTabAndOkReturnsToTheTabBefore)
{
    start(1, 1);
    window->ui().pgcNav->setCurrentIndex(3);
    trigger(window->ui().actAbout);
    EXPECT_EQ(window->ui().pgcNav->currentWidget(), window->ui().tabAbout);
    EXPECT_TRUE(window->ui().redt1->toPlainText().contains("Last Update: "));
    window->ui().btnOKAbout->click();
    EXPECT_EQ(window->ui().pgcNav->currentIndex(), 3);
    EXPECT_FALSE(window->ui().pgcNav->isTabVisible(window->ui().pgcNav->indexOf(window->ui().tabAbout)));
}

TEST_F(MainWindow, SelectSuraDialogGoesToTheChosenSuraAndKeepsItsState)
{
    start(1, 1);
    // The modal dialog is answered from inside its own event loop.
    QTimer::singleShot(0, [&] {
        TDlgSrchSura* dialog = window->suraDialog();
        QTest::keyClicks(dialog->edSearch, "baq");
        QTest::keyClick(dialog->edSearch, Qt::Key_Return); // found: the focus moves to the grid
        QTest::keyClick(dialog->ngQuranIdx, Qt::Key_Return);
    });
    trigger(window->ui().actSearchSura);
    EXPECT_TRUE(waitForFocus(2, 1));

    QTimer::singleShot(0, [&] {
        EXPECT_EQ(window->suraDialog()->edSearch->text(), "baq");
        EXPECT_EQ(window->suraDialog()->selectedSura(), 2);
        window->suraDialog()->btnCancel->click();
    });
    trigger(window->ui().actSearchSura);
    EXPECT_EQ(nav().FCurPos, (TQuranPos{2, 1}));
}
