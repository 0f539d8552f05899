#include "gui/ui/main_window.h"

#include "core/app/app_dirs.h"
#include "core/app/settings.h"
#include "gui/support/app_folder.h"
#include "gui/support/gui_app.h"
#include "gui/support/page_wait.h"
#include "gui/support/reader_window.h"
#include "gui/ui/color_picker.h"
#include "gui/ui/settings_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>

#include <filesystem>
#include <functional>
#include <memory>

using namespace tilvane;
using namespace tilvane::test;

namespace {

// The reader with its Settings command, answered from inside the dialog's own event loop.
class SettingsCommand : public ::testing::Test {
protected:
    void start(int sura, int aya)
    {
        window = showReaderAt(app, sura, aya);
        ASSERT_NE(window, nullptr);
    }

    bool waitForFocus(int sura, int aya) { return showsAya(*window, sura, aya); }

    // Runs the Settings command; answer edits the open dialog and presses a button. The
    // timer lives on this stack, so a dialog that never opens leaves no answer behind.
    void runSettings(const std::function<void(TDlgSett&)>& answer)
    {
        QPointer<TDlgSett> seen;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            seen = qobject_cast<TDlgSett*>(QApplication::activeModalWidget());
            if (seen == nullptr) {
                if (QWidget* other = QApplication::activeModalWidget())
                    other->close();
                return;
            }
            EXPECT_EQ(seen->parentWidget(), window.get());
            answer(*seen);
        });
        timer.start(0);
        window->ui().actSetting->trigger();
        ASSERT_FALSE(timer.isActive()) << "no dialog opened";
        EXPECT_TRUE(seen.isNull()) << "the dialog is freed after use";
        ASSERT_FALSE(HasFailure());
    }

    QVariant page(const QString& script) { return evaluate(window->ui().wbQuran, script); }

    std::string pageFile() const { return window->ui().wbQuran->url().toLocalFile().toStdString(); }

    TestAppFolder app;
    std::unique_ptr<TfmMain> window;
};

void checkLine(TDlgSett& dialog, const QString& text)
{
    const auto found = dialog.chklstTranslations->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    dialog.chklstTranslations->setCurrentItem(found.first());
    dialog.btnEnable->click();
}

} // namespace

TEST_F(SettingsCommand, AChosenPackageTranslationShowsUnderEveryAya)
{
    start(1, 3);
    ASSERT_EQ(page("document.querySelectorAll('div.trans').length").toInt(), 0);
    runSettings([](TDlgSett& dialog) {
        checkLine(dialog, "English - Saheeh International");
        dialog.btnOK->click();
    });
    ASSERT_TRUE(waitForFocus(1, 3)) << "the page is rebuilt and the shown aya focused again";
    EXPECT_EQ(page("document.querySelectorAll('div.aya').length").toInt(), 7);
    EXPECT_EQ(page("document.querySelectorAll('div.aya div.trans').length").toInt(), 7);
    EXPECT_TRUE(page("document.querySelector('div.aya div.trans').textContent").toString().contains("Merciful"));
}

TEST_F(SettingsCommand, ArabicColourAndSizeReachTheStylesheetAndThePage)
{
    start(2, 5);
    runSettings([](TDlgSett& dialog) {
        dialog.nseArbFontSz->setValue(20);
        dialog.nclrArbFontCol->setColor(rgbColor(10, 20, 30));
        dialog.btnOK->click();
    });
    const std::string css = readFile(CommonCssFile);
    EXPECT_NE(css.find("font: 20pt me_quran"), std::string::npos);
    EXPECT_NE(css.find("color: rgb(10, 20, 30);"), std::string::npos);

    ASSERT_TRUE(waitForFocus(2, 5));
    EXPECT_EQ(page("getComputedStyle(document.querySelector('.quran')).color").toString(), "rgb(10, 20, 30)");
    // 20pt is 26.67 CSS pixels.
    EXPECT_NEAR(page("parseFloat(getComputedStyle(document.querySelector('.quran')).fontSize)").toDouble(),
                20 * 4.0 / 3, 0.1);
}

TEST_F(SettingsCommand, OnlyAnApplyWithAChangeRebuildsThePage)
{
    start(3, 2);
    const std::string file = pageFile();
    const std::string css = readFile(CommonCssFile);
    std::filesystem::remove(file);

    runSettings([](TDlgSett& dialog) {
        dialog.nseArbFontSz->setValue(40);
        dialog.btnCancel->click();
    });
    runSettings([](TDlgSett& dialog) { dialog.btnOK->click(); });
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(readFile(CommonCssFile), css);
    EXPECT_EQ(AppSet.ArabicFontSize, 16);

    runSettings([](TDlgSett& dialog) {
        dialog.cbbQuranView->setCurrentIndex(3); // Translations Only
        dialog.btnOK->click();
    });
    EXPECT_TRUE(std::filesystem::exists(file));
    ASSERT_TRUE(waitForFocus(3, 2));
    EXPECT_EQ(page("document.querySelectorAll('div.quran').length").toInt(), 0);
}
