#include "gui/search/search_results_view.h"
#include "gui/search/search_tab.h"
#include "gui/support/gui_app.h"
#include "gui/support/page_wait.h"
#include "gui/support/reader_window.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace tilvane;
using namespace tilvane::test;

namespace {

// QTest types only ASCII; these are the key presses of an Arabic keyboard.
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
    }
}

// The reader's user path: Ctrl+F, type, see the hits, move down with the focus in the box,
// Enter shows that aya as Go does, and the hits stay.
TEST(SearchTab, TypedWordsListHitsAndEnterShowsTheChosenAya)
{
    TestAppFolder app;
    ErrorCapture errors;
    std::unique_ptr<TfmMain> window = showReaderAt(app, 1, 1);
    ASSERT_NE(window, nullptr);
    SearchTab* tab = window->ui().tabSearch;

    window->ui().actFind->trigger();
    EXPECT_EQ(window->ui().pgcNav->currentWidget(), tab);
    tab->cbField->setCurrentIndex(tab->cbField->findText("Arabic"));
    typeText(tab->edtSearch, "الحي القيوم");
    ASSERT_TRUE(waitFor([&] { return tab->lblCount->text() == "3 ayat, 3 hits"; })) << tab->lblCount->text().toStdString();

    const QModelIndex first = tab->lvResults->model()->index(0, 0);
    EXPECT_EQ(first.data(SearchResultModel::SuraRole).toInt(), 2);
    EXPECT_EQ(first.data(SearchResultModel::AyaRole).toInt(), 255);
    EXPECT_TRUE(first.data(SearchResultModel::HtmlRole).toString().contains("<span"));

    QTest::keyClick(tab->edtSearch, Qt::Key_Down);
    EXPECT_EQ(tab->lvResults->currentIndex().row(), 1);
    QTest::keyClick(tab->edtSearch, Qt::Key_Return);
    EXPECT_TRUE(showsAya(*window, 3, 2));
    EXPECT_EQ(window->ui().pgcNav->currentWidget(), window->ui().tabQuran);
    EXPECT_EQ(tab->lvResults->model()->rowCount(), 3);
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join("\n").toStdString();
}

// Enter right after typing answers what was typed, not the hits still listed: the waiting
// query runs first and its first hit opens; a sura's name offers "Go to" on top.
TEST(SearchTab, EnterAfterTypingOpensTheNewQuerysFirstHitOrTheNamedSura)
{
    TestAppFolder app;
    ErrorCapture errors;
    std::unique_ptr<TfmMain> window = showReaderAt(app, 1, 1);
    ASSERT_NE(window, nullptr);
    SearchTab* tab = window->ui().tabSearch;
    window->ui().actFind->trigger();
    tab->cbField->setCurrentIndex(tab->cbField->findText("Arabic"));
    typeText(tab->edtSearch, "الصبر");
    ASSERT_TRUE(waitFor([&] { return tab->lvResults->model()->rowCount() > 0; }));

    tab->edtSearch->clear();
    typeText(tab->edtSearch, "الحي القيوم");
    QTest::keyClick(tab->edtSearch, Qt::Key_Return);
    EXPECT_TRUE(waitFor([&] { return showsAya(*window, 2, 255); }));

    window->ui().actFind->trigger();
    tab->edtSearch->clear();
    QTest::keyClicks(tab->edtSearch, "al-kahfi");
    QTest::keyClick(tab->edtSearch, Qt::Key_Return);
    EXPECT_TRUE(waitFor([&] { return showsAya(*window, 18, 1); }));
    EXPECT_TRUE(tab->lvResults->model()->index(0, 0).data(SearchResultModel::GoToRole).toBool());
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join("\n").toStdString();
}

} // namespace
