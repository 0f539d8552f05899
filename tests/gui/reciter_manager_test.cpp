#include "core/app/settings.h"
#include "core/audio/reciter_layout.h"
#include "gui/audio/reciter_list_model.h"
#include "gui/audio/reciter_manager.h"
#include "gui/support/app_folder.h"
#include "gui/support/gui_app.h"
#include "gui/ui/settings_dialog.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

#include <filesystem>

using namespace tilvane;
using namespace tilvane::test;

namespace {

// Answers the next message box with its Yes button once it is shown.
void answerYesWhenAsked()
{
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr)
            box->button(QMessageBox::Yes)->click();
        else
            answerYesWhenAsked();
    });
}

} // namespace

TEST(ReciterManager, ListsSizesAndAyatChoosesTheReciterToPlayAndRemovesOneWithItsFiles)
{
    guiApp();
    TestAppFolder app(TestAppFolder::Recitation::Synthetic);
    const std::filesystem::path other = reciterFolder("other");
    writeFile(other / "audioinit.ini", "[offline]\r\n");
    writeFile(other / ayaRelativePath(1, 1), std::string(2000, 'x'));
    AppSet.Reciter = "synthetic";
    ErrorCapture errors;

    ReciterListModel reciters;
    TDlgSett dialog(nullptr, &reciters);
    ReciterManager* manager = dialog.panReciters;
    ASSERT_EQ(reciters.rowCount(), 2);
    EXPECT_EQ(reciters.reciterAt(0), "other");
    EXPECT_EQ(reciters.index(0, ReciterListModel::AyatColumn).data().toString(), "1 of 6236");
    EXPECT_FALSE(reciters.index(0, ReciterListModel::SizeColumn).data().toString().isEmpty());
    EXPECT_EQ(manager->lblPlaying->text(), "Plays: synthetic");
    EXPECT_TRUE(reciters.index(1, 0).data(Qt::FontRole).value<QFont>().bold());

    manager->lvReciters->setCurrentIndex(reciters.index(0, 0));
    manager->btnPlayThis->click();
    EXPECT_EQ(dialog.chosenReciter(), "other");
    EXPECT_EQ(AppSet.Reciter, "synthetic") << "the choice waits for Apply";
    EXPECT_TRUE(reciters.index(0, 0).data(Qt::FontRole).value<QFont>().bold());

    answerYesWhenAsked();
    manager->btnRemove->click();
    EXPECT_FALSE(std::filesystem::exists(other));
    ASSERT_EQ(reciters.rowCount(), 1);
    EXPECT_EQ(dialog.chosenReciter(), "synthetic") << "a removed choice falls back to the reciter in use";
    EXPECT_EQ(errors.messages(), QStringList());
}
