#include "gui/ui/sura_box_search.h"
#include "gui/ui/sura_select_dialog.h"

#include "gui/support/gui_app.h"
#include "gui/support/page_wait.h"


#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace tilvane;
using namespace tilvane::test;

namespace {

class SuraDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        guiApp();
        dialog = std::make_unique<TDlgSrchSura>();
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }

    std::unique_ptr<TDlgSrchSura> dialog;
};

} // namespace

TEST_F(SuraDialog, ListsEverySuraWithTheFirstRowSelected)
{
    EXPECT_EQ(dialog->windowTitle(), "Select Sura Name");
    ASSERT_EQ(dialog->ngQuranIdx->rowCount(), 114);
    EXPECT_EQ(dialog->ngQuranIdx->item(0, 0)->text(), "001");
    EXPECT_EQ(dialog->ngQuranIdx->item(113, 1)->text(), "An-Naas");
    EXPECT_EQ(dialog->ngQuranIdx->item(1, 2)->text(), "286");
    EXPECT_EQ(dialog->ngQuranIdx->item(1, 3)->text(), "madani");
    EXPECT_EQ(dialog->selectedSura(), 1);
    EXPECT_TRUE(dialog->edSearch->hasFocus());
}

TEST_F(SuraDialog, TypingSelectsTheFirstNameContainingTheText)
{
    QTest::keyClicks(dialog->edSearch, "fat");
    EXPECT_EQ(dialog->selectedSura(), 1);
    dialog->edSearch->setText("AL-MU");
    EXPECT_EQ(dialog->selectedSura(), 23); // Al-Mukminuun comes first among several
    dialog->edSearch->setText("zzz");
    EXPECT_EQ(dialog->selectedSura(), 23) << "a miss changes nothing";
    // Names as people spell them, folded as search folds them.
    dialog->edSearch->setText("yasin");
    EXPECT_EQ(dialog->selectedSura(), 36);
    dialog->edSearch->setText("al kahfi");
    EXPECT_EQ(dialog->selectedSura(), 18);
}

TEST_F(SuraDialog, SearchingForAMissingNameSaysSoAndReturnsTheFocus)
{
    dialog->edSearch->setText("zzz");
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->text();
        box->accept();
    });
    dialog->btnSearch->click();
    EXPECT_EQ(shown, "Sura Name: zzz not found!");
    EXPECT_EQ(dialog->focusWidget(), dialog->edSearch);
}

TEST_F(SuraDialog, EnterAndDoubleClickInTheGridConfirm)
{
    dialog->ngQuranIdx->selectRow(9);
    QTest::keyClick(dialog->ngQuranIdx, Qt::Key_Enter);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->selectedSura(), 10);

    dialog->show();
    dialog->setResult(QDialog::Rejected);
    emit dialog->ngQuranIdx->cellDoubleClicked(4, 1);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

// The Sura box takes the names Select Sura takes; digits keep the box's own search by number.
TEST(SuraBox, TypingANameSelectsItsSura)
{
    guiApp();
    for (const auto& [typed, sura] : {std::pair{"yasin", 36}, std::pair{"al-kahfi", 18}, std::pair{"18", 18}}) {
        QComboBox box;
        for (int k = 1; k <= 114; ++k)
            box.addItem(QString::number(k) + ". name");
        new SuraBoxSearch(&box);
        QTest::keyClicks(&box, typed);
        EXPECT_EQ(box.currentIndex(), sura - 1) << typed;
    }
}
