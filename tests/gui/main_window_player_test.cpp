#include "gui/ui/main_window.h"

#include "gui/audio/audio_player_tab.h"

#include "core/base/ini_file.h"
#include "gui/support/app_folder.h"
#include "gui/support/gui_app.h"
#include "gui/support/page_wait.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace tilvane;
using namespace tilvane::test;

namespace {

class MainWindowPlayer : public ::testing::Test {
protected:
    void start(int sura, int aya, bool continuous)
    {
        writeFile(app.iniFile(), "[quran]\r\nLastOpenedSura=" + std::to_string(sura) + "\r\nLastOpenedAya="
                                     + std::to_string(aya) + "\r\n[audio]\r\nReciter=synthetic\r\nIsPlayContinue="
                                     + (continuous ? "1" : "0") + "\r\nVolume=300\r\n");
        window = std::make_unique<TfmMain>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ASSERT_TRUE(waitFor([&] { return window->navigator().FDocLoaded; }));
    }

    TestAppFolder app{TestAppFolder::Recitation::Synthetic};
    ErrorCapture errors;
    std::unique_ptr<TfmMain> window;
};

} // namespace

TEST_F(MainWindowPlayer, ControlsStartFromTheSettings)
{
    start(1, 2, false);
    EXPECT_EQ(window->audioTab().controls().trbVolume->value(), 300) << "the slider shows the loudness";
    EXPECT_FALSE(window->audioTab().controls().chkAudioContinue->isChecked());
    EXPECT_EQ(window->audioTab().controls().lblAuPlayAya->text(), "Al-Fatihah (1:2)");
    EXPECT_EQ(window->audioTab().controls().lblReciter->text(), "synthetic");
    EXPECT_EQ(window->audioTab().controls().lblAuStatus->text(), "Stopped");
}

TEST_F(MainWindowPlayer, ContinuousPlayMovesTheWindowOnAcrossTheEndOfTheText)
{
    start(114, 5, true);
    window->audioTab().controls().btnPlayPause->click();
    EXPECT_EQ(window->audioTab().controls().lblAuStatus->text(), "Playing");
    // Audhubillah, 114:5, 114:6, then on to 1:1 with its page.
    EXPECT_TRUE(waitFor([&] { return window->navigator().FCurPos == TQuranPos{1, 1}; }, 120000));
    EXPECT_TRUE(waitFor([&] { return window->FAudioActive() && window->audioTab().controls().lblAuPlayAya->text() == "Al-Fatihah (1:1)"; }));
    window->audioTab().controls().btnStop->click();
    EXPECT_EQ(window->audioTab().controls().lblAuStatus->text(), "Stopped");
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join("\n").toStdString();
}

TEST_F(MainWindowPlayer, WithoutContinuousPlayOnlyTheAyaPlaysAndTheKeysPauseAndStop)
{
    start(2, 3, false);
    QTest::keyClick(window.get(), Qt::Key_F9);
    EXPECT_EQ(window->audioTab().controls().lblAuStatus->text(), "Playing");
    QTest::keyClick(window.get(), Qt::Key_F9);
    EXPECT_EQ(window->audioTab().controls().lblAuStatus->text(), "Paused");
    QTest::keyClick(window.get(), Qt::Key_F9);
    EXPECT_EQ(window->audioTab().controls().lblAuStatus->text(), "Playing");
    EXPECT_TRUE(waitFor([&] { return window->audioTab().controls().lblAuStatus->text() == "Stopped"; }, 60000));
    EXPECT_EQ(window->navigator().FCurPos, (TQuranPos{2, 3}));

    window->audioTab().controls().btnPlayPause->click();
    QTest::keyClick(window.get(), Qt::Key_F9, Qt::ShiftModifier);
    EXPECT_EQ(window->audioTab().controls().lblAuStatus->text(), "Stopped");
}

TEST_F(MainWindowPlayer, AMissingAyaFileEndsStoppedWithoutAMessage)
{
    start(3, 1, false); // the synthetic recitation has no sura 3
    window->audioTab().controls().btnPlayPause->click();
    EXPECT_EQ(window->audioTab().controls().lblAuStatus->text(), "Stopped");
    EXPECT_TRUE(window->audioTab().controls().btnPlayPause->isEnabled());
    EXPECT_TRUE(errors.messages().isEmpty());
}
