#include "core/app/settings.h"
#include "core/audio/reciter_choice.h"
#include "core/audio/audio_files.h"
#include "core/audio/reciter_layout.h"
#include "gui/audio/audio_player_tab.h"
#include "gui/audio/recitation_options_panel.h"
#include "gui/audio/reciter_catalogue_list.h"
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
#include <QTreeWidget>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace tilvane;
using namespace tilvane::test;

namespace {

// A catalogue that offers the local server's folder r/ as a recitation of a whole Quran of
// 600 MB, and its folder gone/ that answers nothing.
void writeCatalogue(const TestAppFolder& app, const LocalHttpServer& server)
{
    writeFile(app.dir() + "res/reciters.ini",
              "[local_64kbps]\r\nReciter=Local Reciter\r\nStyle=Murattal\r\nBitrate=64\r\nUrl="
                  + server.url("r/").toStdString() + "\r\nSizeMB=600\r\n"
                  + "[gone_64kbps]\r\nReciter=Gone Reciter\r\nUrl=" + server.url("gone/").toStdString() + "\r\n");
}

bool installNow(ReciterInstallDialog& dialog)
{
    dialog.btnInstall->click();
    return dialog.isInstalling() && waitFor([&] { return !dialog.isInstalling(); });
}

} // namespace

TEST(ReciterInstallWindow, ANewUserPicksAReciterFromTheCatalogueInstallsItAndHearsItAfterARestart)
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
    server.serve("/gone/001001.mp3", "<html>moved</html>");
    writeCatalogue(app, server);
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
    ASSERT_EQ(dialog->lstCatalogue->topLevelItemCount(), 2);
    EXPECT_EQ(dialog->lstCatalogue->topLevelItem(0)->text(0), "Local Reciter");

    // A source that sends a page in place of audio is named before anything is fetched.
    dialog->lstCatalogue->setCurrentItem(dialog->lstCatalogue->topLevelItem(1));
    ASSERT_TRUE(installNow(*dialog));
    EXPECT_TRUE(dialog->lblInstallStatus->text().contains("does not answer")) << dialog->lblInstallStatus->text().toStdString();
    EXPECT_TRUE(dialog->lblInstallStatus->text().contains("not an MP3 file"));
    EXPECT_FALSE(server.requests().contains("/gone/001002.mp3"));
    EXPECT_FALSE(isReciterInstalled("gone_64kbps"));

    dialog->lstCatalogue->setCurrentItem(dialog->lstCatalogue->topLevelItem(0));
    EXPECT_EQ(dialog->edtSource->text(), server.url("r/"));
    EXPECT_EQ(dialog->edtName->text(), "local_64kbps");
    EXPECT_EQ(dialog->lblSize->text(), "6236 ayat, about 600 MB.");
    dialog->cbScope->setCurrentIndex(dialog->cbScope->findData(static_cast<int>(ReciterInstallDialog::Scope::Suras)));
    dialog->edtSuras->setText("1,112-114");
    EXPECT_TRUE(dialog->lblSize->text().startsWith("22 ayat, about ")) << dialog->lblSize->text().toStdString();
    ASSERT_TRUE(installNow(*dialog));
    EXPECT_EQ(dialog->lblInstallStatus->text(), "22 of 22 files installed; 0 failed.");
    EXPECT_EQ(dialog->progInstall->value(), dialog->progInstall->maximum());
    dialog->close();
    EXPECT_EQ(AppSet.Reciter, "local_64kbps");
    EXPECT_EQ(panel->cbReciter->currentText(), "local_64kbps");

    // The next start finds the reciter chosen, with the settings the user made.
    window.reset();
    AppSet = TAppSet{};
    window = std::make_unique<TfmMain>();
    window->show();
    ASSERT_TRUE(waitFor([&] { return window->navigator().FDocLoaded; }));
    EXPECT_EQ(AppSet.Reciter, "local_64kbps");
    EXPECT_EQ(window->audioTab().controls().lblReciter->text(), "local_64kbps");
    EXPECT_TRUE(window->audioTab().controls().panReciter->lblNoRecitation->isHidden());

    RecitationOptionsPanel* options = window->audioTab().controls().panRecitationOptions;
    options->cbSpeed->setCurrentIndex(options->cbSpeed->findData(125));
    options->cbAyaRepeat->setCurrentIndex(options->cbAyaRepeat->findData(3));
    EXPECT_EQ(AppSet.PlaybackSpeed, 125);
    EXPECT_EQ(AppSet.AyaRepeat, 3);
    window->audioTab().controls().btnPlayPause->click();
    EXPECT_EQ(window->audioTab().controls().lblAuStatus->text(), "Playing");
    EXPECT_EQ(AudioAyaFile, app.dir() + "res/audio/local_64kbps/001/001001.mp3");
    EXPECT_DOUBLE_EQ(window->mediaDevice().playbackRate(), 1.25);
    EXPECT_EQ(window->mediaDevice().fileName(), AudioAyaFile);
    window->audioTab().controls().btnStop->click();
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join("\n").toStdString();
}
