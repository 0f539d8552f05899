#include "gui/ui/settings_dialog.h"

#include "core/app/app_dirs.h"
#include "core/app/app_info.h"
#include "core/base/ini_file.h"
#include "core/app/settings.h"
#include "core/quran/translations.h"
#include "core/render/stylesheets.h"
#include "gui/app/qt_text.h"
#include "gui/support/app_folder.h"
#include "gui/support/gui_app.h"
#include "gui/ui/color_picker.h"
#include "gui/ui/font_choice.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <memory>

using namespace tilvane;
using namespace tilvane::test;

namespace {

const std::string kEnglish = "English - Saheeh International";
const std::string kLatinBuiltIn = "Indonesian - Arabic Latin (Built-in)";
const std::string kFootnoteBuiltIn = "Indonesian - Full with Footnote (Built-in)";

bool operator==(const TAppSet& a, const TAppSet& b)
{
    return a.ArabicFontSize == b.ArabicFontSize && a.ArabicFontColor == b.ArabicFontColor
        && a.ArabicLatinFontColor == b.ArabicLatinFontColor && a.TransFontName == b.TransFontName
        && a.TransFontSize == b.TransFontSize && a.TransFontColor == b.TransFontColor
        && a.ViewStyle == b.ViewStyle && a.LastOpenedSura == b.LastOpenedSura
        && a.LastOpenedAya == b.LastOpenedAya && a.IsMuted == b.IsMuted
        && a.IsPlayContinue == b.IsPlayContinue && a.Volume == b.Volume && a.Reciter == b.Reciter;
}

// A stored slot as the settings file holds it.
struct StoredSlot {
    std::string name;
    bool active;
    bool operator==(const StoredSlot&) const = default;
};

void PrintTo(const StoredSlot& slot, std::ostream* out)
{
    *out << slot.name << (slot.active ? " (active)" : " (inactive)");
}

std::string translationsSection(const std::vector<StoredSlot>& stored)
{
    std::string text = "[translations]\r\nCount=" + std::to_string(stored.size()) + "\r\n";
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const std::string key = "trl_" + std::string(i < 10 ? "0" : "") + std::to_string(i);
        text += key + "=" + stored[i].name + "\r\n" + key + "Acive=" + (stored[i].active ? "1" : "0") + "\r\n";
    }
    return text;
}

std::vector<StoredSlot> storedSlots(const std::string& iniFile)
{
    const IniFile ini = IniFile::load(iniFile);
    std::vector<StoredSlot> stored;
    const int count = ini.readInteger("translations", "Count", 0);
    for (int i = 0; i < count; ++i) {
        const std::string key = "trl_" + std::string(i < 10 ? "0" : "") + std::to_string(i);
        stored.push_back({ini.readString("translations", key, ""), ini.readBool("translations", key + "Acive", false)});
    }
    return stored;
}

class SettingsDialog : public ::testing::Test {
protected:
    // Loads the settings and the catalogue from a settings file with the given text, as the
    // reader has done by the time the dialog can be opened, and opens the dialog.
    void open(const std::string& iniText = "")
    {
        writeFile(app.iniFile(), iniText);
        LoadSettings();
        LoadTranslationCatalogue();
        reopen();
    }

    void reopen()
    {
        dialog = std::make_unique<TDlgSett>();
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }

    QListWidget* list() { return dialog->chklstTranslations; }

    std::vector<std::string> lineTexts()
    {
        std::vector<std::string> texts;
        for (int row = 0; row < list()->count(); ++row)
            texts.push_back(list()->item(row)->text().toStdString());
        return texts;
    }

    std::vector<bool> checks()
    {
        std::vector<bool> marks;
        for (int row = 0; row < list()->count(); ++row)
            marks.push_back(list()->item(row)->checkState() == Qt::Checked);
        return marks;
    }

    int rowOf(const std::string& text)
    {
        const auto found = list()->findItems(toQString(text), Qt::MatchExactly);
        return found.isEmpty() ? -1 : list()->row(found.first());
    }

    void selectRow(int row) { list()->setCurrentRow(row); }

    TestAppFolder app;
    std::unique_ptr<TDlgSett> dialog;
};

} // namespace

TEST_F(SettingsDialog, ShowsTheStoredSettingsWithoutCountingThemAsEdits)
{
    open("[fonts]\r\nArabicFontSize=21\r\nArabicFontColor=657930\r\nArabicLatinFontColor=255\r\n"
         "TransFontName=Tahoma\r\nTransFontSize=11\r\nTransFontColor=8388608\r\n[quran]\r\nViewStyle=2\r\n");
    EXPECT_EQ(dialog->windowTitle(), "Settings");
    EXPECT_EQ(dialog->size(), QSize(425, 386));
    ASSERT_EQ(dialog->pgcSettings->count(), 3);
    EXPECT_EQ(dialog->pgcSettings->tabText(0), " General ");
    EXPECT_EQ(dialog->pgcSettings->tabText(1), " Translations ");
    EXPECT_EQ(dialog->pgcSettings->tabText(2), " Audio ");
    EXPECT_EQ(dialog->btnDefault->text(), "&Default");
    EXPECT_EQ(dialog->btnOK->text(), "&Apply");
    EXPECT_EQ(dialog->btnCancel->text(), "&Cancel");

    ASSERT_EQ(dialog->cbbQuranView->count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(dialog->cbbQuranView->itemText(i), toQString(ViewStyleNames[static_cast<std::size_t>(i)]));
    EXPECT_EQ(dialog->cbbQuranView->currentIndex(), 2);
    EXPECT_EQ(dialog->nseArbFontSz->value(), 21);
    EXPECT_EQ(dialog->nclrArbFontCol->color(), rgbColor(10, 10, 10));
    EXPECT_EQ(dialog->nclrArabicLatinFontColor->color(), rgbColor(255, 0, 0));
    EXPECT_EQ(dialog->nfcTransFontName->currentText(), "Tahoma");
    EXPECT_FALSE(dialog->nfcTransFontName->isEditable());
    EXPECT_EQ(dialog->nseTransFontSize->value(), 11);
    EXPECT_EQ(dialog->nclrTransFontColor->color(), rgbColor(0, 0, 128));
    EXPECT_FALSE(dialog->SettingsChanged);

    const TAppSet before = AppSet;
    dialog->btnOK->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->SettingsChanged) << "nothing was edited";
    EXPECT_TRUE(AppSet == before) << "opening and applying keeps every value, the missing font's name too";
}

TEST_F(SettingsDialog, EachValueControlCountsAsAnEditAndApplyStoresIt)
{
    const std::vector<std::pair<const char*, std::function<void(TDlgSett&)>>> edits = {
        {"Arabic size", [](TDlgSett& d) { d.nseArbFontSz->setValue(30); }},
        {"Arabic colour", [](TDlgSett& d) { d.nclrArbFontCol->setColor(rgbColor(1, 2, 3)); }},
        {"Arabic-Latin colour", [](TDlgSett& d) { d.nclrArabicLatinFontColor->setColor(rgbColor(4, 5, 6)); }},
        {"translation font", [](TDlgSett& d) { d.nfcTransFontName->setCurrentIndex(d.nfcTransFontName->count() - 1); }},
        {"translation size", [](TDlgSett& d) { d.nseTransFontSize->setValue(12); }},
        {"translation colour", [](TDlgSett& d) { d.nclrTransFontColor->setColor(rgbColor(7, 8, 9)); }},
        {"view style", [](TDlgSett& d) { d.cbbQuranView->setCurrentIndex(3); }},
    };
    for (const auto& [what, edit] : edits) {
        SCOPED_TRACE(what);
        open();
        edit(*dialog);
        // A family that two foundries make is listed with a tag and stored without it.
        const std::string fontName = fontFamilyWithoutFoundry(dialog->nfcTransFontName->currentText().toStdString());
        dialog->btnOK->click();
        EXPECT_TRUE(dialog->SettingsChanged);
        EXPECT_EQ(AppSet.ArabicFontSize, dialog->nseArbFontSz->value());
        EXPECT_EQ(AppSet.ArabicFontColor, dialog->nclrArbFontCol->color());
        EXPECT_EQ(AppSet.ArabicLatinFontColor, dialog->nclrArabicLatinFontColor->color());
        EXPECT_EQ(AppSet.TransFontName, fontName);
        EXPECT_EQ(AppSet.TransFontSize, dialog->nseTransFontSize->value());
        EXPECT_EQ(AppSet.TransFontColor, dialog->nclrTransFontColor->color());
        EXPECT_EQ(AppSet.ViewStyle, dialog->cbbQuranView->currentIndex());
    }
    EXPECT_EQ(AppSet.ViewStyle, 3);
}

TEST_F(SettingsDialog, DefaultThenCancelChangesNothing)
{
    open("[fonts]\r\nArabicFontSize=30\r\nArabicFontColor=255\r\nTransFontName=Serif\r\n[quran]\r\nViewStyle=1\r\n"
         + translationsSection({{"Indonesian_Footnote", true}}));
    const TAppSet before = AppSet;
    const std::string fileBefore = readFile(app.iniFile());

    dialog->btnDefault->click();
    EXPECT_EQ(dialog->cbbQuranView->currentIndex(), 0);
    EXPECT_EQ(dialog->nseArbFontSz->value(), 16);
    EXPECT_EQ(dialog->nclrArbFontCol->color(), 0x0013A852);
    EXPECT_EQ(dialog->nclrArabicLatinFontColor->color(), 0x00008000);
    EXPECT_EQ(dialog->nfcTransFontName->currentText(), "Tahoma");
    EXPECT_EQ(dialog->nseTransFontSize->value(), 8);
    EXPECT_EQ(dialog->nclrTransFontColor->color(), 0);
    EXPECT_EQ(lineTexts().front(), kFootnoteBuiltIn) << "Default leaves the translations alone";
    EXPECT_TRUE(checks().front());

    dialog->btnCancel->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(AppSet == before);
    EXPECT_EQ(readFile(app.iniFile()), fileBefore);
}

TEST_F(SettingsDialog, ListsTheSelectionThenEveryOtherInstalledTranslationUnchecked)
{
    open(translationsSection({{"English_SaheehInternational", true}, {"Removed_Package", true},
                              {"Indonesian_Latin", false}}));
    const std::vector<std::string> texts = lineTexts();
    ASSERT_EQ(texts.size(), Translations.size()) << "the removed package is left out";
    EXPECT_EQ(texts[0], kEnglish);
    EXPECT_EQ(texts[1], kLatinBuiltIn);
    EXPECT_EQ(texts[2], kFootnoteBuiltIn);
    EXPECT_EQ(texts[3], "Bengali - Muhiuddin Khan");
    std::vector<bool> expected(texts.size(), false);
    expected[0] = true;
    EXPECT_EQ(checks(), expected);
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(dialog->btnEnable->text(), "Disable");

    dialog->btnOK->click();
    const std::vector<StoredSlot> stored = storedSlots(app.iniFile());
    ASSERT_EQ(stored.size(), Translations.size());
    EXPECT_EQ(stored[0], (StoredSlot{"English_SaheehInternational", true}));
    EXPECT_EQ(stored[1], (StoredSlot{"Indonesian_Latin", false}));
    EXPECT_EQ(stored[2], (StoredSlot{"Indonesian_Footnote", false}));
    EXPECT_EQ(stored[3], (StoredSlot{"Bengali_MuhiuddinKhan", false}));
    EXPECT_FALSE(dialog->SettingsChanged) << "the page shows the same translations";
}

TEST_F(SettingsDialog, ChangedChecksOrOrderAloneAreWrittenAtOnceActiveFirst)
{
    open(translationsSection({{"Indonesian_Footnote", true}, {"Indonesian_Latin", true}}));
    // Uncheck the first line, check English, and put English above the Latin line.
    selectRow(0);
    dialog->btnEnable->click();
    EXPECT_EQ(dialog->btnEnable->text(), "Enable");
    selectRow(rowOf(kEnglish));
    dialog->btnEnable->click();
    EXPECT_EQ(dialog->btnEnable->text(), "Disable");
    while (list()->currentRow() > 1)
        dialog->btnMoveUp->click();
    EXPECT_EQ(lineTexts()[1], kEnglish);

    dialog->btnOK->click();
    const std::vector<StoredSlot> stored = storedSlots(app.iniFile());
    ASSERT_GE(stored.size(), 3u);
    EXPECT_EQ(stored[0], (StoredSlot{"English_SaheehInternational", true}));
    EXPECT_EQ(stored[1], (StoredSlot{"Indonesian_Latin", true}));
    EXPECT_EQ(stored[2], (StoredSlot{"Indonesian_Footnote", false}));
    EXPECT_EQ(ActiveTransCount, 2) << "the catalogue is reloaded from the file";
    EXPECT_TRUE(dialog->SettingsChanged) << "the page must show the new translations";
}

TEST_F(SettingsDialog, ReorderingHiddenTranslationsIsStoredButDoesNotRebuildThePage)
{
    open(translationsSection({{"Indonesian_Footnote", true}}));
    selectRow(list()->count() - 1);
    dialog->btnMoveUp->click();
    const std::string moved = lineTexts()[static_cast<std::size_t>(list()->count() - 2)];
    dialog->btnOK->click();
    const std::vector<StoredSlot> stored = storedSlots(app.iniFile());
    ASSERT_EQ(stored.size(), Translations.size());
    EXPECT_EQ(Translations[static_cast<std::size_t>(FindTranslation(stored[stored.size() - 2].name))].FullName, moved);
    EXPECT_FALSE(dialog->SettingsChanged);
}

TEST_F(SettingsDialog, MoveButtonsFollowTheSelectedLineAndStopAtTheEnds)
{
    open(translationsSection({{"Indonesian_Latin", true}, {"Indonesian_Footnote", false}}));
    const int last = list()->count() - 1;
    // The two built-in entries are always installed, so the list never has a single line.
    ASSERT_GE(last, 1);

    EXPECT_FALSE(dialog->btnMoveUp->isEnabled()) << "first line";
    EXPECT_TRUE(dialog->btnMoveDn->isEnabled());
    selectRow(last);
    EXPECT_TRUE(dialog->btnMoveUp->isEnabled());
    EXPECT_FALSE(dialog->btnMoveDn->isEnabled()) << "last line";
    const std::vector<std::string> before = lineTexts();
    dialog->btnMoveDn->click();
    EXPECT_EQ(lineTexts(), before);
    selectRow(0);
    dialog->btnMoveUp->click();
    EXPECT_EQ(lineTexts(), before);

    // A moved line keeps its check mark and stays selected.
    dialog->btnMoveDn->click();
    EXPECT_EQ(lineTexts()[1], kLatinBuiltIn);
    EXPECT_EQ(checks()[1], true);
    EXPECT_EQ(checks()[0], false);
    EXPECT_EQ(list()->currentRow(), 1);
    EXPECT_TRUE(dialog->btnMoveUp->isEnabled());
    EXPECT_EQ(dialog->btnEnable->text(), "Disable");
    dialog->btnMoveUp->click();
    EXPECT_EQ(lineTexts(), before);
    EXPECT_FALSE(dialog->btnMoveUp->isEnabled());
}

TEST_F(SettingsDialog, KeysDoubleClickAndSpaceKeepTheButtonsMatchingTheLine)
{
    open(translationsSection({{"Indonesian_Latin", true}, {"English_SaheehInternational", true}}));
    const auto buttonsMatchLine = [this] {
        const int row = list()->currentRow();
        const bool checked = list()->item(row)->checkState() == Qt::Checked;
        return dialog->btnEnable->text() == (checked ? "Disable" : "Enable")
            && dialog->btnMoveUp->isEnabled() == (row != 0)
            && dialog->btnMoveDn->isEnabled() == (row != list()->count() - 1);
    };
    dialog->pgcSettings->setCurrentIndex(1);
    list()->setFocus();
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_End,
                              Qt::Key_Up, Qt::Key_PageUp, Qt::Key_Home}) {
        QTest::keyClick(list(), key);
        EXPECT_TRUE(buttonsMatchLine()) << "key " << key << ", line " << list()->currentRow();
    }
    ASSERT_EQ(list()->currentRow(), 0);

    QTest::keyClick(list(), Qt::Key_Space);
    EXPECT_FALSE(checks()[0]);
    EXPECT_EQ(dialog->btnEnable->text(), "Enable");

    // Qt reports a double-click on a line only after a press on the same line.
    const QPoint centre = list()->visualItemRect(list()->item(0)).center();
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_TRUE(checks()[0]);
    EXPECT_EQ(dialog->btnEnable->text(), "Disable");
}

TEST_F(SettingsDialog, AFailedWriteOfTheSelectionStoresNothingAndKeepsTheDialogOpen)
{
    open();
    dialog->nseArbFontSz->setValue(40);
    dialog->btnEnable->click();
    // A read-only settings file refuses the write, whoever runs the test.
    std::filesystem::permissions(app.iniFile(), std::filesystem::perms::owner_read);
    const TAppSet before = AppSet;
    ErrorCapture errors;
    dialog->btnOK->click();
    ASSERT_EQ(errors.messages().size(), 1);
    EXPECT_EQ(errors.messages()[0].toStdString(), "Unable to write to " + IniFileName);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(AppSet == before);
}

TEST_F(SettingsDialog, AFontNotInstalledIsOfferedAsStoredAndInstalledOnesMatchExactly)
{
    const QStringList families = QFontDatabase::families();
    ASSERT_FALSE(families.isEmpty());
    for (const QString& name : {QStringLiteral("No Such Family 123"), families.first()}) {
        SCOPED_TRACE(name.toStdString());
        open("[fonts]\r\nTransFontName=" + name.toStdString() + "\r\n");
        EXPECT_EQ(dialog->nfcTransFontName->currentText(), name);
        EXPECT_EQ(dialog->nfcTransFontName->findText(name), dialog->nfcTransFontName->currentIndex());
        dialog->btnDefault->click();
        dialog->btnDefault->click();
        EXPECT_EQ(dialog->nfcTransFontName->findText("Tahoma", Qt::MatchExactly | Qt::MatchCaseSensitive),
                  dialog->nfcTransFontName->currentIndex());
        dialog->btnCancel->click();
        reopen();
        EXPECT_EQ(dialog->nfcTransFontName->currentText(), name);
        dialog->btnOK->click();
        EXPECT_EQ(AppSet.TransFontName, fontFamilyWithoutFoundry(name.toStdString()));
    }
}

// Where two foundries make a family, the list may know it only as "C059 [UKWN]" and
// "C059 [urw]": a stored "C059" shows as the first of them and is stored back unchanged.
TEST_F(SettingsDialog, AFamilyListedOnlyUnderFoundryTagsShowsTaggedAndStaysAsStored)
{
    QComboBox list;
    list.addItems({"Bitstream Vera", "C059 [UKWN]", "C059 [urw]", "Nimbus Sans", "Nimbus Sans [urw]", "Serif"});
    const struct {
        const char* stored;
        int row;
    } cases[] = {{"C059", 1}, {"C059 [urw]", 2}, {"Nimbus Sans", 3}, {"Nimbus", -1}, {"c059", -1}, {"[urw]", -1}};
    for (const auto& c : cases)
        EXPECT_EQ(fontRowFor(list, c.stored), c.row) << c.stored;

    // The same with the fonts this machine has, where any family is listed only so.
    QStringList bareNames;
    for (const QString& listed : QFontDatabase::families()) {
        const QString bare = QString::fromStdString(fontFamilyWithoutFoundry(listed.toStdString()));
        if (bare != listed && !QFontDatabase::families().contains(bare) && !bareNames.contains(bare))
            bareNames.append(bare);
    }
    for (const QString& bare : bareNames) {
        SCOPED_TRACE(bare.toStdString());
        open("[fonts]\r\nTransFontName=" + bare.toStdString() + "\r\n");
        EXPECT_EQ(fontFamilyWithoutFoundry(dialog->nfcTransFontName->currentText().toStdString()), bare.toStdString());
        EXPECT_NE(dialog->nfcTransFontName->currentText(), bare) << "shown as the list knows it";
        dialog->btnOK->click();
        EXPECT_FALSE(dialog->SettingsChanged);
        EXPECT_EQ(AppSet.TransFontName, bare.toStdString());
    }
}

// Qt lists a family that two foundries make as "Family [foundry]", a name no page knows.
TEST_F(SettingsDialog, AFoundryTaggedFamilyIsStoredAsTheFamilyAlone)
{
    open();
    dialog->nfcTransFontName->insertItem(0, "Nimbus Sans [urw]");
    dialog->nfcTransFontName->setCurrentIndex(0);
    dialog->btnOK->click();
    EXPECT_EQ(AppSet.TransFontName, "Nimbus Sans");
}

TEST_F(SettingsDialog, TwoPackagesWithOneFullNameKeepTheirOwnIdentities)
{
    // An application folder of the test's own: the built archives and two packages that
    // differ only in their key.
    TempFolder folder;
    const std::filesystem::path res = folder / "res";
    std::filesystem::create_directories(res / "trans");
    for (const char* archive : {"lib.tvz", "libina.tvz"})
        std::filesystem::create_symlink(std::string(TILVANE_BUILD_DIR) + "/res/" + archive, res / archive);
    for (const std::string name : {"Twin_A", "Twin_B"}) {
        std::filesystem::create_directory(res / "trans" / name);
        writeFile(res / "trans" / name / "_transinit.ini",
                  "[translation]\r\nTransName=" + name + "\r\nFullName=Twin\r\nLanguage=English\r\n"
                  "SuraNameFile=sura_names.txt\r\nAyaNameFile=aya_texts.txt\r\n");
    }
    ResetAppDirsForTesting();
    InitAppDirs(folder.dir());
    writeFile(IniFileName, translationsSection({{"Twin_B", true}, {"Twin_A", false}}));
    LoadTranslationCatalogue();
    reopen();

    ASSERT_EQ(lineTexts(), (std::vector<std::string>{"Twin", "Twin", kLatinBuiltIn, kFootnoteBuiltIn}));
    EXPECT_EQ(checks(), (std::vector<bool>{true, false, false, false}));
    // Make the second line (Twin_A) the only active one, above Twin_B.
    selectRow(0);
    dialog->btnEnable->click();
    selectRow(1);
    dialog->btnEnable->click();
    dialog->btnMoveUp->click();
    dialog->btnOK->click();

    const std::vector<StoredSlot> stored = storedSlots(IniFileName);
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_EQ(stored[0], (StoredSlot{"Twin_A", true}));
    EXPECT_EQ(stored[1], (StoredSlot{"Twin_B", false}));
    EXPECT_TRUE(dialog->SettingsChanged);
}

TEST_F(SettingsDialog, StoredViewStyleOutsideTheListIsKeptUnlessOneIsChosen)
{
    open("[quran]\r\nViewStyle=7\r\n");
    EXPECT_EQ(dialog->cbbQuranView->currentIndex(), -1);
    dialog->btnOK->click();
    EXPECT_EQ(AppSet.ViewStyle, 7);
    EXPECT_FALSE(dialog->SettingsChanged);
}

TEST(ColourValues, ConvertBetweenWindowsAndQtColours)
{
    const struct {
        ColorRef value;
        QColor colour;
    } cases[] = {
        {0x0013A852, QColor(82, 168, 19)},
        {0x00008000, QColor(0, 128, 0)},
        {0x00FFFFFF, QColor(255, 255, 255)},
        {0, QColor(0, 0, 0)},
        {0x00030201, QColor(1, 2, 3)},
    };
    for (const auto& [value, colour] : cases) {
        EXPECT_EQ(toQColor(value), colour) << std::hex << value;
        EXPECT_EQ(fromQColor(colour), value) << std::hex << value;
    }
}

TEST(ColourPicker, NonePutsBackTheDefaultAndTheDialogSetsTheChosenColour)
{
    guiApp();
    ColorPicker picker(rgbColor(0, 128, 0));
    picker.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
    std::vector<ColorRef> raised;
    QObject::connect(&picker, &ColorPicker::colorChanged, [&](ColorRef colour) { raised.push_back(colour); });

    picker.setColor(rgbColor(1, 2, 3));
    EXPECT_EQ(picker.preview()->palette().color(QPalette::Window), QColor(1, 2, 3));
    picker.noneButton()->click();
    EXPECT_EQ(picker.color(), rgbColor(0, 128, 0));
    picker.noneButton()->click();

    QTimer::singleShot(0, [] {
        auto* chooser = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        EXPECT_EQ(chooser->currentColor(), QColor(0, 128, 0));
        chooser->setCurrentColor(QColor(200, 100, 50));
        chooser->accept();
    });
    picker.chooseButton()->click();
    EXPECT_EQ(picker.color(), rgbColor(200, 100, 50));
    EXPECT_EQ(picker.preview()->palette().color(QPalette::Window), QColor(200, 100, 50));
    EXPECT_EQ(raised, (std::vector<ColorRef>{rgbColor(1, 2, 3), rgbColor(0, 128, 0), rgbColor(200, 100, 50)}))
        << "a second None changes nothing";
}
