#include "core/app/settings.h"
#include "core/quran/translation_files.h"
#include "core/quran/translations.h"
#include "translation_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using namespace tilvane;
using tilvane::test::readFile;
using tilvane::test::TranslationFixture;
using tilvane::test::writeFile;
using ::testing::AllOf;
using ::testing::Contains;
using ::testing::HasSubstr;

namespace {

std::vector<std::string> transNames()
{
    std::vector<std::string> names;
    for (const TTranslation& entry : Translations)
        names.push_back(entry.TransName);
    return names;
}

std::vector<std::pair<int, int>> activePairs()
{
    std::vector<std::pair<int, int>> pairs;
    for (const ActiveTranslation& active : activeTranslationIndexes())
        pairs.emplace_back(active.slot, active.catalogueIndex);
    return pairs;
}

using Catalogue = TranslationFixture;

} // namespace

TEST_F(Catalogue, BuiltInEntriesStandFirstWithTheirOwnTexts)
{
    LoadTranslationCatalogue();
    ASSERT_EQ(Translations.size(), 2u);
    const TTranslation& latin = Translations[kBuiltInLatin];
    EXPECT_EQ(latin.TransName, "Indonesian_Latin");
    EXPECT_EQ(latin.FullName, "Indonesian - Arabic Latin (Built-in)");
    EXPECT_EQ(latin.Language, "Indonesian");
    EXPECT_TRUE(latin.IsArabicLatin);
    EXPECT_EQ(latin.SuraNameFile, "[]");
    EXPECT_EQ(latin.AyaNameFile, "[]");
    EXPECT_EQ(latin.Translator, "[]");
    EXPECT_EQ(latin.Author, "[Unknown]");
    EXPECT_EQ(latin.Copyright, "[Unknown]");
    EXPECT_EQ(latin.ListIndex, -1);
    const TTranslation& footnote = Translations[kBuiltInFootnote];
    EXPECT_EQ(footnote.TransName, "Indonesian_Footnote");
    EXPECT_EQ(footnote.FullName, "Indonesian - Full with Footnote (Built-in)");
    EXPECT_EQ(footnote.Language, "Indonesian");
    EXPECT_FALSE(footnote.IsArabicLatin);
    EXPECT_EQ(footnote.SuraNameFile, "[]");
    EXPECT_EQ(footnote.Translator, "[DEPAG RI]");
    EXPECT_EQ(footnote.Author, "[DEPAG RI]");
    EXPECT_EQ(footnote.Copyright, "[Unknown]");
}

TEST_F(Catalogue, WithoutATranslationsSectionThereAreNoSlots)
{
    writeSettings("[quran]\r\nViewStyle=0\r\n");
    addPackage("english", "English_Sahih", "English - Sahih");
    LoadTranslationCatalogue();
    EXPECT_TRUE(TransSlots.empty());
    EXPECT_EQ(ActiveTransCount, 0);
    EXPECT_TRUE(activeTranslationIndexes().empty());
    EXPECT_EQ(transNames(), (std::vector<std::string>{"Indonesian_Latin", "Indonesian_Footnote", "English_Sahih"}));
}

TEST_F(Catalogue, TwoStoredSlotsWithOnlyTheFootnoteTranslationActive)
{
    writeSettings("[translations]\r\nCount=2\r\ntrl_00=Indonesian_Footnote\r\ntrl_00Acive=1\r\n"
                  "trl_01=Indonesian_Latin\r\ntrl_01Acive=0\r\n");
    LoadTranslationCatalogue();
    ASSERT_EQ(TransSlots.size(), 2u);
    EXPECT_EQ(TransSlots[0].TransName, "Indonesian_Footnote");
    EXPECT_TRUE(TransSlots[0].Active);
    EXPECT_EQ(TransSlots[1].Index, 1);
    EXPECT_FALSE(TransSlots[1].Active);
    EXPECT_EQ(ActiveTransCount, 1);
    EXPECT_EQ(activePairs(), (std::vector<std::pair<int, int>>{{0, kBuiltInFootnote}}));
}

TEST_F(Catalogue, PackageFoldersAreOrderedWithoutRegardToCaseAndPlainFilesAreNoPackages)
{
    addPackage("beta", "b", "B");
    addPackage("Alpha", "a", "A");
    addPackage("gamma", "g", "G");
    addPackage("ALPHA2", "a2", "A2");
    writeFile(AppDirs.TransDir + "readme.txt", "not a package");
    LoadTranslationCatalogue();
    EXPECT_EQ(transNames(), (std::vector<std::string>{"Indonesian_Latin", "Indonesian_Footnote", "a", "a2", "b", "g"}));
}

TEST_F(Catalogue, AMissingTranslationFolderMeansNoPackagesAreInstalled)
{
    ASSERT_FALSE(std::filesystem::exists(AppDirs.TransDir));
    EXPECT_NO_THROW(LoadTranslationCatalogue());
    EXPECT_EQ(Translations.size(), 2u);
}

TEST_F(Catalogue, APackageWithoutItsInitFileGivesUnknownTextsAndFiles)
{
    std::filesystem::create_directories(AppDirs.TransDir + "bare");
    LoadTranslationCatalogue();
    ASSERT_EQ(Translations.size(), 3u);
    const TTranslation& bare = Translations[2];
    for (const std::string* text : {&bare.TransName, &bare.FullName, &bare.Language, &bare.Translator,
                                    &bare.Author, &bare.Copyright})
        EXPECT_EQ(*text, "[Unknown]");
    EXPECT_FALSE(bare.IsArabicLatin);
    EXPECT_EQ(bare.SuraNameFile, AppDirs.TransDir + "bare/[Unknown]");
    EXPECT_EQ(bare.AyaNameFile, AppDirs.TransDir + "bare/[Unknown]");
    EXPECT_EQ(bare.ListIndex, -1);
}

TEST_F(Catalogue, InitFileTextsAreCutAtFiftyBytesOnACharacterBoundary)
{
    const std::string longName(60, 'n');
    const std::string arabic = std::string(49, 'x') + "\xD8\xB9\xD8\xB1"; // the 2-byte letter at 50 goes
    writeFile(AppDirs.TransDir + "long/_transinit.ini",
              "[TRANSLATION]\nTransName=" + longName + "\nFullName=" + arabic + "\nTranslator=T\n"
                  + "Author=A\nCopyright=C\nLanguage=Arabic\nIsArabicLatin=2\nAyaNameFile=" + longName + ".txt\n");
    LoadTranslationCatalogue();
    const TTranslation& entry = Translations[2];
    EXPECT_EQ(entry.TransName, std::string(50, 'n'));
    EXPECT_EQ(entry.FullName, std::string(49, 'x'));
    EXPECT_EQ(entry.Translator, "T");
    EXPECT_EQ(entry.Author, "A");
    EXPECT_EQ(entry.Copyright, "C");
    EXPECT_EQ(entry.Language, "Arabic");
    EXPECT_TRUE(entry.IsArabicLatin);
    // File names are paths, not short texts: they are kept whole.
    EXPECT_EQ(entry.AyaNameFile, AppDirs.TransDir + "long/" + longName + ".txt");
}

TEST_F(Catalogue, StoredSlotNamesAreCutAtFifty)
{
    writeSettings("[translations]\r\nCount=1\r\ntrl_00=" + std::string(70, 'z') + "\r\ntrl_00Acive=1\r\n");
    LoadTranslationCatalogue();
    EXPECT_EQ(TransSlots[0].TransName, std::string(50, 'z'));
}

TEST_F(Catalogue, SlotsSurviveASaveAndLoadWithThreeDigitKeysFromSlot100)
{
    writeSettings("[fonts]\r\nArabicFontSize=20\r\n");
    for (int i = 0; i < 101; ++i)
        TransSlots.push_back(TTransSlot{i, "name" + std::to_string(i), i % 3 == 0});
    SaveTranslationSlots();
    const std::string text = readFile(IniFileName);
    EXPECT_THAT(text, HasSubstr("[fonts]\r\nArabicFontSize=20\r\n"));
    EXPECT_THAT(text, HasSubstr("[translations]\r\nCount=101\r\ntrl_00=name0\r\ntrl_00Acive=1\r\ntrl_01=name1\r\n"
                                "trl_01Acive=0\r\n"));
    EXPECT_THAT(text, HasSubstr("trl_99=name99\r\ntrl_99Acive=1\r\ntrl_100=name100\r\ntrl_100Acive=0\r\n"));

    const std::vector<TTransSlot> saved = TransSlots;
    TransSlots.clear();
    LoadTranslationCatalogue();
    ASSERT_EQ(TransSlots.size(), saved.size());
    for (std::size_t i = 0; i < saved.size(); ++i) {
        EXPECT_EQ(TransSlots[i].Index, saved[i].Index);
        EXPECT_EQ(TransSlots[i].TransName, saved[i].TransName);
        EXPECT_EQ(TransSlots[i].Active, saved[i].Active);
    }
    EXPECT_EQ(ActiveTransCount, 34);
}

TEST_F(Catalogue, SavingTheSettingsLeavesTheTranslationsSectionIntact)
{
    TransSlots = {TTransSlot{0, "Indonesian_Latin", true}, TTransSlot{1, "Indonesian_Footnote", false}};
    SaveTranslationSlots();
    AppSet = TAppSet{};
    AppSet.Volume = 300;
    SaveSettings();
    const std::string text = readFile(IniFileName);
    EXPECT_THAT(text, HasSubstr("[translations]\r\nCount=2\r\ntrl_00=Indonesian_Latin\r\ntrl_00Acive=1\r\n"
                                "trl_01=Indonesian_Footnote\r\ntrl_01Acive=0\r\n"));
    EXPECT_THAT(text, HasSubstr("Volume=300\r\n"));
    TransSlots.clear();
    LoadTranslationCatalogue();
    EXPECT_EQ(TransSlots.size(), 2u);
    EXPECT_EQ(ActiveTransCount, 1);
}

TEST_F(Catalogue, FindingIsExactAndGivesTheFirstMatch)
{
    addPackage("a", "Same", "Shared Name");
    addPackage("b", "Other", "Shared Name");
    LoadTranslationCatalogue();
    EXPECT_EQ(FindTranslation("Indonesian_Latin"), 0);
    EXPECT_EQ(FindTranslation("indonesian_latin"), -1);
    EXPECT_EQ(FindTranslation("Other"), 3);
    EXPECT_EQ(FindTranslationByFullName("Shared Name"), 2);
    EXPECT_EQ(FindTranslationByFullName("Nothing"), -1);
}

TEST_F(Catalogue, ActiveSlotsAreUsedInSlotOrderSkippingInactiveAndUninstalledOnes)
{
    addPackage("english", "English", "English");
    // Hand-edited: an inactive slot among the first two, and a slot naming a removed package.
    writeSettings("[translations]\r\nCount=4\r\ntrl_00=Indonesian_Latin\r\ntrl_00Acive=0\r\n"
                  "trl_01=Removed\r\ntrl_01Acive=1\r\ntrl_02=English\r\ntrl_02Acive=1\r\n"
                  "trl_03=Indonesian_Footnote\r\ntrl_03Acive=1\r\n");
    LoadTranslationCatalogue();
    EXPECT_EQ(ActiveTransCount, 3);
    EXPECT_EQ(activePairs(), (std::vector<std::pair<int, int>>{{2, 2}, {3, kBuiltInFootnote}}));

    LoadActiveTranslations();
    ASSERT_EQ(TransAyaLists.size(), 4u);
    EXPECT_EQ(TransAyaLists[2].lineOrEmpty(1), "English aya 2");
    EXPECT_EQ(TransSuraLists[2].lineOrEmpty(0), "English sura 1");
    EXPECT_TRUE(TransAyaLists[1].empty());
    EXPECT_TRUE(TransAyaLists[3].empty()); // built-in entries have no lists of their own
    EXPECT_TRUE(takeTranslationProblems().empty());
}

TEST_F(Catalogue, AHandEditedSlotCountBeyondTheNamedSlotsGivesOnlyThoseSlots)
{
    const struct {
        const char* section;
        std::size_t slots;
    } cases[] = {
        {"Count=2147483647\r\ntrl_00=Indonesian_Footnote\r\ntrl_00Acive=1\r\n", 1},
        // A gap before the last named slot stays a slot, as the stored numbering says.
        {"Count=5\r\nTRL_03ACIVE=1\r\ntrl_00=Indonesian_Latin\r\n", 4},
        {"Count=2147483647\r\ntrl_2000000000=Indonesian_Latin\r\n", 10000},
        {"Count=1\r\ntrl_00=Indonesian_Footnote\r\ntrl_07=Indonesian_Latin\r\n", 1},
        {"Count=3\r\ntrl_x=1\r\ntrl_=2\r\ntrl_01Active=1\r\n", 0},
    };
    for (const auto& c : cases) {
        writeSettings(std::string("[translations]\r\n") + c.section);
        LoadTranslationCatalogue();
        EXPECT_EQ(TransSlots.size(), c.slots) << c.section;
    }
    EXPECT_TRUE(activeTranslationIndexes().empty());
}

// Only the first of packages sharing a TransName can be shown, and a descriptor that is no file
// to read is never read: the user is told once, with the folders to look at.
TEST_F(Catalogue, SharedNamesAndUnreadableDescriptorsAreReportedOnceNamingTheFolders)
{
    const std::string first = addPackage("alpha", "English", "English - Alpha");
    const std::string second = addPackage("beta", "English", "English - Beta");
    const std::string latin = addPackage("gamma", "Indonesian_Latin", "Latin again");
    std::filesystem::create_directories(AppDirs.TransDir + "fifo");
    mkfifo((AppDirs.TransDir + "fifo/_transinit.ini").c_str(), 0600);
    std::filesystem::create_directories(AppDirs.TransDir + "zero");
    std::filesystem::create_symlink("/dev/zero", AppDirs.TransDir + "zero/_transinit.ini");

    LoadTranslationCatalogue();
    const std::vector<std::string> problems = takeTranslationProblems();
    EXPECT_THAT(problems, Contains(AllOf(HasSubstr("\"" + first + "\""), HasSubstr("\"" + second + "\""),
                                         HasSubstr("\"English\""))));
    EXPECT_THAT(problems, Contains(AllOf(HasSubstr("built into Tilvane"), HasSubstr("\"" + latin + "\""))));
    EXPECT_THAT(problems, Contains(HasSubstr(AppDirs.TransDir + "fifo/_transinit.ini")));
    EXPECT_THAT(problems, Contains(HasSubstr(AppDirs.TransDir + "zero/_transinit.ini")));
    EXPECT_EQ(Translations.back().TransName, "[Unknown]");

    LoadTranslationCatalogue(); // after the settings dialog's Apply
    EXPECT_TRUE(takeTranslationProblems().empty());
}
