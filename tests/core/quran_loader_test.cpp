#include "core/app/app_dirs.h"
#include "core/base/errors.h"
#include "core/app/paths.h"
#include "core/app/settings.h"
#include "core/quran/quran_font.h"
#include "core/quran/quran_loader.h"
#include "core/quran/quran_store.h"
#include "core/quran/translations.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sys/stat.h>

using namespace tilvane;
using tilvane::test::readFile;
using tilvane::test::TempFolder;
using tilvane::test::writeFile;

namespace fs = std::filesystem;

namespace {

// Records what loading asks of the window.
class RecordingHost : public IQuranLoadHost {
public:
    void createBrowserHosts() override { calls.push_back("createBrowserHosts"); }
    void loadIndexTree(const std::vector<IndexNode>& nodes) override
    {
        calls.push_back("loadIndexTree");
        indexNodes = nodes;
    }
    void fillContents(const std::vector<TContentsSura>& suras) override
    {
        calls.push_back("fillContents");
        suraEntries = suras.size();
    }
    void writeStylesheets() override
    {
        calls.push_back("writeStylesheets");
        catalogueSizeAtStylesheets = Translations.size();
    }
    void showInitialPosition(int sura, int aya) override
    {
        calls.push_back("showInitialPosition " + std::to_string(sura) + ":" + std::to_string(aya));
        arabicAtShow = QuranUthmani.size();
    }

    std::vector<std::string> calls;
    std::vector<IndexNode> indexNodes;
    std::size_t suraEntries = 0;
    std::size_t catalogueSizeAtStylesheets = 0;
    std::size_t arabicAtShow = 0;
};

const std::string kRealFont = "/usr/share/fonts/truetype/scheherazade/Scheherazade-Regular.ttf";

// Two small data archives packed by 7-Zip, with the layout and file names of the real ones.
class DataArchives : public ::testing::Test {
protected:
    void SetUp() override
    {
        AppDirs = makeAppDirs(app.dir(), temp.dir() + "Tilvane/");
        IniFileName = AppDirs.AppDir + "Tilvane.ini";
        LibArchive = AppDirs.AppDir + "res/lib.tvz";
        LibinaArchive = AppDirs.AppDir + "res/libina.tvz";
        AppSet = TAppSet{};
        writeFile(AppDirs.TransDir + "english/_transinit.ini", "[translation]\nTransName=English\n");
        writeStage();
    }

    void writeStage()
    {
        const fs::path lib = stage / "lib" / "lib";
        writeFile(lib / "num_ar.txt", "0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n");
        writeFile(lib / "suraarb.txt", "sura-word\r\nignored\r\n");
        writeFile(lib / "suraname_ar.txt", "name 1\r\nname 2\r\n");
        writeFile(lib / "quran_uthman" / "quran_uthmani.txt", "arabic 1\r\narabic 2\r\narabic 3\r\n");
        writeFile(lib / "js" / "page.js", "function focusOnAya(s, a) {}\n");
        writeFile(lib / kQuranFontFile, readFile(kRealFont));
        const fs::path libina = stage / "libina" / "libina";
        writeFile(libina / "ina_idx.txt", "Juz 1\r\n\tAl-Fatihah\r\n");
        writeFile(libina / "ina_sura.txt", "Pembukaan\r\n");
        writeFile(libina / "ina_tran.txt", "terjemah 1<sup><b>[1]</b></sup>\r\nterjemah 2\r\n");
        writeFile(libina / "ina_foot.txt", "catatan 1\r\n");
        writeFile(libina / "ina_latn.txt", "latin 1\r\nlatin 2\r\n");
        writeFile(libina / "az" / "s001a.htm", "<p>Mukadimah</p>\r\n");
    }

    void packArchives(const std::string& switches = "")
    {
        fs::create_directories(AppDirs.ResDir);
        pack(stage / "lib", LibArchive, "lib", switches);
        pack(stage / "libina", LibinaArchive, "libina", switches);
    }

    static void pack(const fs::path& from, const std::string& archive, const std::string& folder,
                     const std::string& switches)
    {
        const std::string command = "cd '" + from.string() + "' && 7zz a -t7z -bd -bso0 -bsp0 " + switches + " '"
            + archive + "' '" + folder + "' >/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }

    TempFolder app;
    TempFolder temp;
    TempFolder stage;
    RecordingHost host;
};

} // namespace

TEST_F(DataArchives, LoadingFillsTheStoreInOrderAndLeavesOnlyTheIndexPageBodiesAndScripts)
{
    AppSet.LastOpenedSura = 2;
    AppSet.LastOpenedAya = 5;
    PageFootnotes.add("left from an earlier page");
    packArchives();
    LoadQuranData(host);

    EXPECT_EQ(host.calls, (std::vector<std::string>{"createBrowserHosts", "loadIndexTree", "fillContents",
                                                    "writeStylesheets", "showInitialPosition 2:5"}));
    ASSERT_EQ(host.indexNodes.size(), 2u);
    EXPECT_EQ(host.indexNodes[1].text, "Al-Fatihah");
    EXPECT_EQ(host.indexNodes[1].parent, 0);
    EXPECT_EQ(host.suraEntries, 114u);
    EXPECT_EQ(host.catalogueSizeAtStylesheets, 3u); // the catalogue is loaded before the stylesheets
    EXPECT_EQ(host.arabicAtShow, 3u);               // the text is loaded before the first page

    EXPECT_EQ(NumAr.size(), 10u);
    EXPECT_EQ(ToArabicDigits(286), "286");
    EXPECT_EQ(SuraWordAr, "sura-word");
    EXPECT_EQ(SuraNameAr.lines(), (std::vector<std::string>{"name 1", "name 2"}));
    EXPECT_EQ(ayaLine(QuranUthmani, 3), "arabic 3");
    EXPECT_EQ(InaSura.lineOrEmpty(0), "Pembukaan");
    EXPECT_EQ(ayaLine(InaTran, 2), "terjemah 2");
    EXPECT_EQ(InaFoot.lineOrEmpty(0), "catatan 1");
    EXPECT_EQ(ayaLine(InaLatn, 1), "latin 1");
    EXPECT_TRUE(PageFootnotes.empty());

    for (const std::string& gone :
         {AppDirs.LibDir + "num_ar.txt", AppDirs.LibDir + "suraarb.txt", AppDirs.LibDir + "suraname_ar.txt",
          AppDirs.LibDir + "quran_uthman", AppDirs.LibinaDir + "ina_sura.txt", AppDirs.LibinaDir + "ina_tran.txt",
          AppDirs.LibinaDir + "ina_foot.txt", AppDirs.LibinaDir + "ina_latn.txt", AppDirs.LibDir + kQuranFontFile})
        EXPECT_FALSE(fs::exists(gone)) << gone;
    for (const std::string& kept :
         {AppDirs.LibinaDir + "ina_idx.txt", AppDirs.AzDir + "s001a.htm", AppDirs.LibDir + "js/page.js"})
        EXPECT_TRUE(fs::exists(kept)) << kept;
    EXPECT_TRUE(fs::exists(userFontDir() + kQuranFontFile));
    EXPECT_TRUE(isApplicationFont(userFontDir() + kQuranFontFile));

    FreeQuranData();
    EXPECT_TRUE(QuranUthmani.empty());
    EXPECT_TRUE(InaTran.empty());
    EXPECT_TRUE(SuraWordAr.empty());
}

TEST_F(DataArchives, ASecondStartUnpacksTheArchivesAgainOverTheWorkingFolder)
{
    packArchives();
    LoadQuranData(host);
    writeFile(AppDirs.LibinaDir + "ina_idx.txt", "changed by hand\r\n");
    RecordingHost second;
    LoadQuranData(second);
    EXPECT_EQ(second.calls.back(), "showInitialPosition 1:1");
    ASSERT_EQ(second.indexNodes.size(), 2u);
    EXPECT_EQ(second.indexNodes[0].text, "Juz 1");
    EXPECT_EQ(ayaLine(InaLatn, 2), "latin 2");
}

TEST_F(DataArchives, AMissingDataFileStopsLoadingWithAnErrorNamingIt)
{
    fs::remove(stage / "libina" / "libina" / "ina_tran.txt");
    packArchives();
    try {
        LoadQuranData(host);
        FAIL() << "loading went on without ina_tran.txt";
    } catch (const FileOpenError& error) {
        EXPECT_EQ(error.path(), AppDirs.LibinaDir + "ina_tran.txt");
        EXPECT_NE(std::string(error.what()).find("ina_tran.txt"), std::string::npos);
    }
    EXPECT_EQ(host.calls.back(), "writeStylesheets"); // the first page is never shown
    EXPECT_FALSE(fs::exists(AppDirs.LibinaDir + "ina_sura.txt"));  // loaded before the failure
    EXPECT_TRUE(fs::exists(AppDirs.LibinaDir + "ina_latn.txt"));   // never reached
    EXPECT_TRUE(fs::exists(AppDirs.LibDir + kQuranFontFile));       // the font step never ran
}

TEST_F(DataArchives, MissingArchivesStopLoadingNamingTheArchive)
{
    try {
        LoadQuranData(host);
        FAIL() << "loading went on without archives";
    } catch (const FileOpenError& error) {
        EXPECT_EQ(error.path(), LibArchive);
    }
    EXPECT_EQ(host.calls, (std::vector<std::string>{"createBrowserHosts"}));
}

namespace {

struct HostileData {
    const char* name;
    std::function<void()> prepare;
    std::function<std::string()> named; // the file the message must name
    const char* says;
};

} // namespace

// Nothing of a damaged archive or an odd data file is ever shown: loading stops before the
// first page with a message naming the file at fault, at once and without reading it whole.
TEST_F(DataArchives, HostileArchivesAndDataFilesStopLoadingNamingTheFile)
{
    const HostileData cases[] = {
        {"LibArchiveIsAFifo", [this] { packArchives(); fs::remove(LibArchive); mkfifo(LibArchive.c_str(), 0600); },
         [] { return LibArchive; }, "not a regular file"},
        {"ArchiveFailsItsCheck",
         [this] {
             packArchives("-m0=Copy");
             std::string bytes = readFile(LibinaArchive);
             bytes[bytes.find("terjemah 1")] = 'T';
             writeFile(LibinaArchive, bytes);
         },
         [] { return LibinaArchive; }, "is damaged"},
        {"ArchiveIsTruncated",
         [this] {
             packArchives();
             const std::string bytes = readFile(LibArchive);
             writeFile(LibArchive, bytes.substr(0, bytes.size() - 40));
         },
         [] { return LibArchive; }, "is damaged"},
        {"DataFileIsAFolder",
         [this] {
             fs::remove(stage / "lib/lib/num_ar.txt");
             writeFile(stage / "lib/lib/num_ar.txt/inside.txt", "x");
             packArchives();
         },
         [] { return AppDirs.LibDir + "num_ar.txt"; }, "is a folder"},
    };
    for (const HostileData& c : cases) {
        fs::remove_all(stage.path() / "lib");
        fs::remove_all(AppDirs.TempDir);
        fs::remove_all(AppDirs.ResDir);
        writeStage();
        c.prepare();
        RecordingHost fresh;
        try {
            LoadQuranData(fresh);
            ADD_FAILURE() << c.name << ": loaded";
        } catch (const TilvaneError& error) {
            EXPECT_NE(std::string(error.what()).find("\"" + c.named() + "\""), std::string::npos) << error.what();
            EXPECT_NE(std::string(error.what()).find(c.says), std::string::npos) << error.what();
        }
        EXPECT_NE(fresh.calls.back(), "showInitialPosition 1:1") << c.name;
    }
}
