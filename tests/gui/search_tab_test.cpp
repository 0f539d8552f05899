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
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace tilvane;
using namespace tilvane::test;

namespace {

QLineEdit* searchBox(SearchTab* tab)
{
    return tab->findChild<QLineEdit*>("edtSearch");
}

QComboBox* fieldBox(SearchTab* tab)
{
    return tab->findChild<QComboBox*>("cbField");
}

QLabel* countLabel(SearchTab* tab)
{
    return tab->findChild<QLabel*>("lblCount");
}

QListView* hitList(SearchTab* tab)
{
    return tab->findChild<QListView*>("lvResults");
}

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
    fieldBox(tab)->setCurrentIndex(fieldBox(tab)->findText("Arabic"));
    typeText(searchBox(tab), "الحي القيوم");
    ASSERT_TRUE(waitFor([&] { return countLabel(tab)->text() == "3 ayat, 3 hits"; })) << countLabel(tab)->text().toStdString();

    const QModelIndex first = hitList(tab)->model()->index(0, 0);
    EXPECT_EQ(first.data(SearchResultModel::SuraRole).toInt(), 2);
    EXPECT_EQ(first.data(SearchResultModel::AyaRole).toInt(), 255);
    EXPECT_TRUE(first.data(SearchResultModel::HtmlRole).toString().contains("<span"));

    QTest::keyClick(searchBox(tab), Qt::Key_Down);
    EXPECT_EQ(hitList(tab)->currentIndex().row(), 1);
    QTest::keyClick(searchBox(tab), Qt::Key_Return);
    EXPECT_TRUE(showsAya(*window, 3, 2));
    EXPECT_EQ(window->ui().pgcNav->currentWidget(), window->ui().tabQuran);
    EXPECT_EQ(hitList(tab)->model()->rowCount(), 3);
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
    fieldBox(tab)->setCurrentIndex(fieldBox(tab)->findText("Arabic"));
    typeText(searchBox(tab), "الصبر");
    ASSERT_TRUE(waitFor([&] { return hitList(tab)->model()->rowCount() > 0; }));

    searchBox(tab)->clear();
    typeText(searchBox(tab), "الحي القيوم");
    QTest::keyClick(searchBox(tab), Qt::Key_Return);
    EXPECT_TRUE(waitFor([&] { return showsAya(*window, 2, 255); }));

    window->ui().actFind->trigger();
    searchBox(tab)->clear();
    QTest::keyClicks(searchBox(tab), "al-kahfi");
    QTest::keyClick(searchBox(tab), Qt::Key_Return);
    EXPECT_TRUE(waitFor([&] { return showsAya(*window, 18, 1); }));
    EXPECT_TRUE(hitList(tab)->model()->index(0, 0).data(SearchResultModel::GoToRole).toBool());
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join("\n").toStdString();
}

// A root's concordance: each form counts the hits that hold it, and choosing it shows exactly
// those; the first entry shows them all again.
TEST(SearchTab, ChoosingAFormOfARootShowsAsManyHitsAsItCounts)
{
    TestAppFolder app;
    ErrorCapture errors;
    std::unique_ptr<TfmMain> window = showReaderAt(app, 1, 1);
    ASSERT_NE(window, nullptr);
    SearchTab* tab = window->ui().tabSearch;
    window->ui().actFind->trigger();
    auto* forms = tab->findChild<QListWidget*>("lwForms");
    tab->findChild<QComboBox*>("cbMode")->setCurrentIndex(1); // Root
    typeText(searchBox(tab), "صبر");
    ASSERT_TRUE(waitFor([&] { return forms->count() > 2; }));
    const int all = hitList(tab)->model()->rowCount();
    for (int row = 1; row < std::min(forms->count(), 4); ++row) {
        const QString text = forms->item(row)->text();
        const int counted = text.section('(', -1).chopped(1).toInt();
        forms->setCurrentRow(row);
        EXPECT_EQ(hitList(tab)->model()->rowCount(), counted) << text.toStdString();
    }
    forms->setCurrentRow(0);
    EXPECT_EQ(hitList(tab)->model()->rowCount(), all);
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join("\n").toStdString();
}

} // namespace
