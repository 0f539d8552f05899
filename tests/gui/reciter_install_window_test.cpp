#include "core/app/settings.h"
#include "core/audio/audio_files.h"
#include "core/audio/reciter_layout.h"
#include "gui/audio/audio_player_tab.h"
#include "gui/audio/recitation_options_panel.h"
#include "gui/audio/reciter_install_dialog.h"
#include "gui/audio/reciter_panel.h"
#include "gui/support/app_folder.h"
#include "gui/support/gui_app.h"
#include "gui/support/local_http_server.h"
#include "gui/support/page_wait.h"
#include "gui/support/reader_window.h"
#include "gui/support/spoken_mp3.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace tilvane;
using namespace tilvane::test;

TEST(ReciterInstallWindow, ANewUserInstallsFromTheWebAndHearsTheFirstAya)
{
    TestAppFolder app(TestAppFolder::Recitation::Empty);
    TempFolder clipFolder;
    ASSERT_TRUE(makeSpokenMp3("one two", clipFolder / "clip.mp3"));
    const QByteArray clip = QByteArray::fromStdString(readFile(clipFolder / "clip.mp3"));
    LocalHttpServer server;
    for (const auto& [sura, ayat] : std::vector<std::pair<int, int>>{{1, 7}, {112, 4}, {113, 5}, {114, 6}}) {
        for (int aya = 1; aya <= ayat; ++aya)
            server.serve(QString::fromStdString("/r/" + ayaFileName(sura, aya)), clip);
    }
    ErrorCapture errors;
    auto window = showReaderAt(app, 1, 1, "[audio]\r\nVolume=0\r\n");
    ASSERT_NE(window, nullptr);
    ReciterPanel* panel = window->audioTab().controls().panReciter;
    EXPECT_FALSE(panel->lblNoRecitation->isHidden());
    EXPECT_EQ(panel->lblNoRecitation->text(), "No recitation installed");
    EXPECT_EQ(window->audioTab().controls().lblReciter->text(), "(none)");

    panel->btnInstallReciter->click();
    ReciterInstallDialog* dialog = window->installDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->edtSource->setText(server.url("r/"));
    dialog->edtName->setText("local");
    dialog->edtSuras->setText("1,112-114");
    dialog->btnInstall->click();
    ASSERT_TRUE(dialog->isInstalling());
    ASSERT_TRUE(waitFor([&] { return !dialog->isInstalling(); }));
    EXPECT_EQ(dialog->lblInstallStatus->text(), "22 of 22 files installed; 0 failed.");
    EXPECT_EQ(dialog->progInstall->value(), dialog->progInstall->maximum());
    dialog->close();

    EXPECT_EQ(AppSet.Reciter, "local");
    EXPECT_EQ(window->audioTab().controls().lblReciter->text(), "local");
    EXPECT_TRUE(panel->lblNoRecitation->isHidden());
    EXPECT_EQ(panel->cbReciter->currentText(), "local");

    RecitationOptionsPanel* options = window->audioTab().controls().panRecitationOptions;
    options->cbSpeed->setCurrentIndex(options->cbSpeed->findData(125));
    options->cbAyaRepeat->setCurrentIndex(options->cbAyaRepeat->findData(3));
    EXPECT_EQ(AppSet.PlaybackSpeed, 125);
    EXPECT_EQ(AppSet.AyaRepeat, 3);
    window->audioTab().controls().btnPlayPause->click();
    EXPECT_EQ(window->audioTab().controls().lblAuStatus->text(), "Playing");
    EXPECT_EQ(AudioAyaFile, app.dir() + "res/audio/local/001/001001.mp3");
    EXPECT_DOUBLE_EQ(window->mediaDevice().playbackRate(), 1.25);
    EXPECT_EQ(window->mediaDevice().fileName(), AudioAyaFile);
    window->audioTab().controls().btnStop->click();
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join("\n").toStdString();
}
