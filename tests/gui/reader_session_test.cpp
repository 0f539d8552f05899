// One session of a new reader, step by step through the real window on the default data and
// the synthetic recitation, with a picture of every step in the build folder for review.
#include "gui/ui/main_window.h"

#include "gui/audio/audio_player_tab.h"

#include "core/app/settings.h"
#include "gui/support/app_folder.h"
#include "gui/support/gui_app.h"
#include "gui/support/page_wait.h"
#include "gui/support/reader_window.h"
#include "gui/ui/color_picker.h"
#include "gui/ui/settings_dialog.h"
#include "gui/ui/sura_select_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QWebEngineView>

#include <memory>

using namespace tilvane;
using namespace tilvane::test;

namespace {

class ReaderSession : public ::testing::Test {
protected:
    void SetUp() override { QDir().mkpath(shotFolder()); }

    static QString shotFolder() { return QStringLiteral(TILVANE_BUILD_DIR "/e2e-screenshots"); }

    void startReader()
    {
        window = std::make_unique<TfmMain>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    bool shows(int sura, int aya) { return showsAya(*window, sura, aya); }

    void shoot(const char* step)
    {
        window->grab().save(shotFolder() + "/" + QString::fromLatin1(step) + ".png");
    }

    // Runs answer inside the modal dialog that action opens.
    template <typename Dialog>
    void withModal(QAction* action, const std::function<void(Dialog*)>& answer)
    {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            answer(dialog);
        });
        action->trigger();
    }

    TestAppFolder app{TestAppFolder::Recitation::Synthetic};
    ErrorCapture errors;
    std::unique_ptr<TfmMain> window;
};

} // namespace

TEST_F(ReaderSession, ANewReadersSessionIsRestoredAtTheNextStart)
{
    writeFile(app.iniFile(), "[audio]\r\nReciter=synthetic\r\n");
    startReader();
    ASSERT_TRUE(shows(1, 1));
    shoot("01-start");

    withModal<TDlgSrchSura>(window->ui().actSearchSura, [](TDlgSrchSura* dialog) {
        QTest::keyClicks(dialog->edSearch, "baq");
        dialog->grab().save(shotFolder() + "/02-select-sura.png");
        dialog->btnOK->click();
    });
    ASSERT_TRUE(shows(2, 1));

    for (int aya = 2; aya <= 4; ++aya) {
        window->ui().actGotoAyaNext->trigger();
        ASSERT_TRUE(shows(2, aya));
    }
    shoot("03-aya-2-4");

    window->ui().tvContents->setCurrentItem(window->ui().tvContents->topLevelItem(2)->child(0));
    ASSERT_TRUE(waitFor([&] { return window->ui().wbBukaTutup->url().fileName() == "s003a_fmt.htm"; }));
    EXPECT_TRUE(waitFor([&] {
        return evaluate(window->ui().wbBukaTutup, "document.getElementById('3_a') !== null").toBool();
    }));
    shoot("04-preface-3");

    window->ui().actGotoAyaNext->trigger();
    ASSERT_TRUE(shows(3, 2));
    shoot("05-aya-3-2");

    withModal<TDlgSett>(window->ui().actSetting, [](TDlgSett* dialog) {
        dialog->cbbQuranView->setCurrentIndex(2);
        dialog->nclrArbFontCol->setColor(rgbColor(20, 60, 160));
        dialog->grab().save(shotFolder() + "/06-settings.png");
        dialog->btnOK->click();
    });
    EXPECT_EQ(AppSet.ViewStyle, 2);
    ASSERT_TRUE(shows(3, 2));
    EXPECT_EQ(evaluate(window->ui().wbQuran,
                       "getComputedStyle(document.querySelector('div.quran')).color").toString(),
              "rgb(20, 60, 160)");
    shoot("07-view-style-2");

    // Continuous play across the end of sura 1 into sura 2.
    window->ui().cbSura->setCurrentIndex(0);
    window->ui().cbAya->setCurrentIndex(6);
    window->ui().actGotoSelectedSura->trigger();
    ASSERT_TRUE(shows(1, 7));
    window->ui().pgcContent->setCurrentWidget(&window->audioTab());
    window->audioTab().controls().btnPlayPause->click();
    ASSERT_TRUE(waitFor([&] { return window->navigator().FCurPos == TQuranPos{2, 1}; }, 120000));
    shoot("08-playing-into-sura-2");
    ASSERT_TRUE(waitFor([&] { return window->navigator().FCurPos == TQuranPos{2, 2}; }, 120000));
    window->audioTab().controls().btnStop->click();
    const TQuranPos shown = window->navigator().FCurPos;

    window->close();
    window.reset();
    AppSet = TAppSet{};

    startReader();
    EXPECT_TRUE(shows(shown.Sura, shown.Aya));
    EXPECT_EQ(AppSet.ViewStyle, 2);
    shoot("09-restarted");
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join("\n").toStdString();
}
