#include "export_runner.h"

#include "core/render/fragment_format.h"
#include "core/render/fragments.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <filesystem>
#include <future>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace tilvane;
using namespace tilvane::test;

namespace {

// The built-in translation and transliteration, both shown.
const std::string kBuiltInTranslations = "[translations]\r\nCount=2\r\ntrl_00=Indonesian_Footnote\r\n"
                                         "trl_00Acive=1\r\ntrl_01=Indonesian_Latin\r\ntrl_01Acive=1\r\n";

const std::string kProgram = TILVANE_EXPORT_BINARY;
const std::string kBismillah = "\xD8\xA8\xD8\xB3\xD9\x85 Bismi";

std::string lines(const std::vector<std::string>& texts)
{
    std::string text;
    for (const std::string& line : texts)
        text += line + "\r\n";
    return text;
}

std::vector<std::string> numbered(const std::string& prefix, int count)
{
    std::vector<std::string> texts;
    for (int i = 1; i <= count; ++i)
        texts.push_back(prefix + std::to_string(i));
    return texts;
}

void sevenZip(const fs::path& folder, const fs::path& archive, const std::string& entry)
{
    ASSERT_EQ(std::system("command -v 7zz >/dev/null"), 0)
        << "7zz is missing: install the Debian package 7zip (scripts/packages.txt)";
    const std::string command = "cd '" + folder.string() + "' && 7zz a '" + archive.string() + "' " + entry + " >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

// The two data archives of a small made-up Quran: aya lines name their global index.
void writeFixtureArchives(const fs::path& res)
{
    TempFolder staging;
    std::vector<std::string> arabic = numbered("ar", 6236);
    arabic[0] = kBismillah;
    arabic[7] = kBismillah + " alm";
    std::vector<std::string> translation = numbered("tr", 6236);
    translation[0] = "1. In the name<sup><b>[1]</b></sup>.";
    translation[7] = "Alif<sup><b>[2]</b></sup> lam mim";
    writeFile(staging / "lib" / "num_ar.txt", lines({"<0>", "<1>", "<2>", "<3>", "<4>", "<5>", "<6>", "<7>", "<8>", "<9>"}));
    writeFile(staging / "lib" / "suraarb.txt", lines({"SURA"}));
    writeFile(staging / "lib" / "suraname_ar.txt", lines(numbered("name", 114)));
    writeFile(staging / "lib" / "quran_uthman" / "quran_uthmani.txt", lines(arabic));
    writeFile(staging / "lib" / "js" / "common.js", "function focusOnAya(s, a) {}\n");
    writeFile(staging / "libina" / "libina" / "ina_idx.txt", lines({"Index", " Entry"}));
    writeFile(staging / "libina" / "libina" / "ina_sura.txt", lines(numbered("meaning", 114)));
    writeFile(staging / "libina" / "libina" / "ina_tran.txt", lines(translation));
    writeFile(staging / "libina" / "libina" / "ina_foot.txt", lines({"note one", "note two"}));
    writeFile(staging / "libina" / "libina" / "ina_latn.txt", lines(numbered("lat", 6236)));
    writeFile(staging / "libina" / "libina" / "az" / "s114a.htm", lines({"Preface of <b>An-Naas</b>.</p>"}));
    writeFile(staging / "libina" / "libina" / "az" / "s114z.htm", lines({"Closing of <b>An-Naas</b>.</p>"}));
    fs::create_directories(res);
    sevenZip(staging.path(), res / "lib.tvz", "lib");
    sevenZip(staging / "libina", res / "libina.tvz", "libina");
}

class ExportCommand : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        archives = new TempFolder;
        writeFixtureArchives(archives->path());
    }
    static void TearDownTestSuite()
    {
        delete archives;
        archives = nullptr;
    }

    void SetUp() override
    {
        fs::create_directories(app / "res");
        for (const char* archive : {"lib.tvz", "libina.tvz"})
            fs::copy_file(archives->path() / archive, app / "res" / archive);
    }

    void writeSettings(int viewStyle, const std::string& translations = "")
    {
        writeFile(app / "Tilvane.ini", "[quran]\r\nViewStyle=" + std::to_string(viewStyle) + "\r\n" + translations);
    }

    ExportRun run(const std::vector<std::string>& args) { return runProgram(kProgram, args, tmp.path(), data.path()); }

    ExportRun exportPage(const std::vector<std::string>& extra)
    {
        std::vector<std::string> args = {"--app-dir", app.path().string(), "--out", out.string()};
        args.insert(args.end(), extra.begin(), extra.end());
        return run(args);
    }

    // The working root the program made below this test's TMPDIR.
    fs::path workingRoot() const
    {
        for (const auto& entry : fs::directory_iterator(tmp.path())) {
            if (entry.path().filename().string().rfind("tilvane-", 0) == 0)
                return entry.path() / "Tilvane";
        }
        return {};
    }

    static bool has(const std::string& page, const std::string& text) { return page.find(text) != std::string::npos; }

    static inline TempFolder* archives = nullptr;
    TempFolder app;
    TempFolder tmp; // every test runs the program with a TMPDIR of its own
    TempFolder data;
    TempFolder outFolder;
    fs::path out = outFolder / "page.html";
};

} // namespace

TEST_F(ExportCommand, WritesTheSuraPageOfEveryViewStyleAsTheReaderDoes)
{
    for (int viewStyle : {0, 1, 2, 3}) {
        writeSettings(viewStyle, kBuiltInTranslations);
        const ExportRun result = exportPage({"--sura", "2"});
        ASSERT_EQ(result.exitCode, 0) << viewStyle << result.err;
        EXPECT_EQ(result.err, "");
        const std::string page = readFile(out);
        // The copy is the page the reader would show, built in this test's own TMPDIR.
        EXPECT_EQ(page, readFile(workingRoot() / "_sura" / "S002_ar_in.html")) << viewStyle;
        EXPECT_TRUE(has(page, viewStyle == 1 ? "lib/css/screen_2.css" : "lib/css/screen.css")) << viewStyle;
        EXPECT_TRUE(has(page, "id=\"2_286\"")) << viewStyle;
        EXPECT_EQ(page.substr(page.size() - 9), "</html>\r\n");
        if (viewStyle == 3) {
            EXPECT_TRUE(has(page, formatFragment(SuraHeader, {"Al-Baqarah", "<p> In the name"}))) << viewStyle;
        } else {
            EXPECT_TRUE(has(page, formatFragment(SuraHeader, {"name2 SURA", formatFragment(BismillahBlock, {kBismillah})})));
            const std::string firstAya = viewStyle == 1 ? formatFragment(InlineAya, {"2_1", " alm", "<1>"})
                                                        : formatFragment(ArabicBlock, {" alm", "<1>"});
            EXPECT_TRUE(has(page, firstAya)) << viewStyle;
        }
        EXPECT_EQ(has(page, "<!-- FootNote -->"), viewStyle == 0 || viewStyle == 3) << viewStyle;
    }
    const std::string page = readFile(out);
    EXPECT_TRUE(has(page, formatFragment(FootnoteTip, {"fnt2", "note two"})));
    for (const char* css : {"common.css", "screen.css", "screen_2.css"})
        EXPECT_TRUE(fs::exists(workingRoot() / "lib" / "css" / css)) << css;
}

TEST_F(ExportCommand, WritesThePrefaceAndTheClosingOfSura114)
{
    writeSettings(1);
    const struct {
        const char* option;
        const char* id;
        const char* body;
        const char* file;
    } cases[] = {{"--preface", "114_a", "Preface of <b>An-Naas</b>.</p>", "s114a_fmt.htm"},
                 {"--closing", "114_z", "Closing of <b>An-Naas</b>.</p>", "s114z_fmt.htm"}};
    for (const auto& c : cases) {
        const ExportRun result = exportPage({"--sura", "114", c.option});
        ASSERT_EQ(result.exitCode, 0) << c.option << result.err;
        const std::string page = readFile(out);
        EXPECT_EQ(page, readFile(workingRoot() / "res" / "inaazfmt" / c.file)) << c.option;
        EXPECT_TRUE(has(page, formatFragment(PrefaceBodyOpen, {c.id}))) << c.option;
        EXPECT_TRUE(has(page, "\r\n" + std::string(c.body) + "\r\n")) << c.option;
        EXPECT_TRUE(has(page, "114. An-Naas")) << c.option;
        EXPECT_TRUE(has(page, "lib/css/screen.css")) << c.option;
    }
}

TEST_F(ExportCommand, AMissingPackageFileIsReportedAndThePageStillWritten)
{
    writeFile(app / "res" / "trans" / "broken" / "_transinit.ini",
              "[translation]\r\nTransName=Broken\r\nFullName=Broken package\r\nSuraNameFile=sura.txt\r\n"
              "AyaNameFile=aya.txt\r\n");
    writeFile(app / "res" / "trans" / "broken" / "sura.txt", "s\r\n");
    writeSettings(0, "[translations]\r\nCount=1\r\ntrl_00=Broken\r\ntrl_00Acive=1\r\n");
    const ExportRun result = exportPage({"--sura", "1"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(has(result.err, "aya.txt")) << result.err;
    EXPECT_TRUE(has(readFile(out), formatFragment(TranslationBlock, {"in", ""})));
}

TEST_F(ExportCommand, NeverWritesTheSettingsFile)
{
    ASSERT_EQ(exportPage({"--sura", "5"}).exitCode, 0);
    EXPECT_FALSE(fs::exists(app / "Tilvane.ini"));

    const std::string settings = "; kept as it is\r\n[quran]\r\nViewStyle=2\r\nLastOpenedSura=7\r\n";
    writeFile(app / "Tilvane.ini", settings);
    ASSERT_EQ(exportPage({"--sura", "5"}).exitCode, 0);
    EXPECT_EQ(readFile(app / "Tilvane.ini"), settings);
}

TEST_F(ExportCommand, ReadsTheProgramsOwnFolderWithoutAppDir)
{
    writeSettings(2);
    fs::copy_file(kProgram, app / "tilvane-export");
    const ExportRun result = runProgram((app / "tilvane-export").string(), {"--sura", "1", "--out", out.string()},
                                        tmp.path(), data.path());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(has(readFile(out), formatFragment(AyaBlockOpen, {"1_7"})));
}

TEST_F(ExportCommand, BadArgumentsPrintTheUsageAndExitWith2)
{
    const std::string o = out.string();
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--out", o},
        {"--sura", "2"},
        {"--sura", "0", "--out", o},
        {"--sura", "115", "--out", o},
        {"--sura", "2x", "--out", o},
        {"--sura", "", "--out", o},
        {"--sura", "2", "--out", o, "--verbose"},
        {"--sura", "2", "--out", o, "--preface", "--closing"},
        {"--sura", "2", "--out"},
        {"2", "--out", o},
    };
    for (const auto& args : cases) {
        const ExportRun result = run(args);
        EXPECT_EQ(result.exitCode, 2) << ::testing::PrintToString(args);
        EXPECT_TRUE(has(result.err, "usage: tilvane-export [--app-dir DIR] --sura N [--preface | --closing] [--pdf] [--tajweed] --out FILE"))
            << result.err;
        EXPECT_FALSE(fs::exists(out));
    }
}

TEST_F(ExportCommand, ALoadFailureNamesTheFileAndExitsWith1)
{
    fs::remove_all(app / "res");
    const ExportRun result = exportPage({"--sura", "2"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(has(result.err, "Cannot open file")) << result.err;
    EXPECT_FALSE(fs::exists(out));
}

// Each run loads the data from a working folder of its own: none deletes the files another
// is loading, and the folders of runs that ended are reused, not piled up.
TEST_F(ExportCommand, RunsStartedTogetherWithOneTmpdirAllSucceed)
{
    for (int round = 0; round < 4; ++round) {
        std::vector<std::future<ExportRun>> runs;
        for (int i = 0; i < 3; ++i) {
            const std::string page = (outFolder / ("page" + std::to_string(i) + ".html")).string();
            runs.push_back(std::async(std::launch::async, [this, page] {
                return run({"--app-dir", app.path().string(), "--out", page, "--sura", "2"});
            }));
        }
        for (auto& result : runs) {
            const ExportRun done = result.get();
            EXPECT_EQ(done.exitCode, 0) << done.err;
        }
    }
    int folders = 0;
    for (const auto& entry : fs::directory_iterator(workingRoot().parent_path()))
        folders += entry.is_directory() ? 1 : 0;
    EXPECT_LE(folders, 3);
}

TEST_F(ExportCommand, AnUnwritableOutputFileExitsWith1)
{
    const ExportRun result = exportPage({"--sura", "2"});
    ASSERT_EQ(result.exitCode, 0);
    const ExportRun refused = run({"--app-dir", app.path().string(), "--sura", "2", "--out",
                                   (outFolder / "no" / "such" / "folder.html").string()});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err, "");
}

// What the user names with --out: a link keeps its place while its target gets the page, a
// FIFO gets the page or PDF as a stream and stays a FIFO, and a failure names the user's
// path, never a temporary one.
TEST_F(ExportCommand, TheOutputFollowsALinkStreamsIntoAFifoAndNamesTheUsersPath)
{
    const fs::path elsewhere = outFolder / "elsewhere";
    fs::create_directories(elsewhere);
    writeFile(elsewhere / "target.html", "old");
    fs::create_symlink(elsewhere / "target.html", outFolder / "link.html");
    const ExportRun linked = run({"--app-dir", app.path().string(), "--sura", "2", "--out", (outFolder / "link.html").string()});
    EXPECT_EQ(linked.exitCode, 0) << linked.err;
    EXPECT_TRUE(fs::is_symlink(outFolder / "link.html"));
    EXPECT_TRUE(has(readFile(elsewhere / "target.html"), "<html"));

    for (const bool pdf : {false, true}) {
        SCOPED_TRACE(pdf ? "PDF" : "HTML");
        const fs::path fifo = outFolder / (pdf ? "out-pdf.fifo" : "out-html.fifo");
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        // Read from the start, so that the program finds a reader whenever it writes.
        const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(reader, 0);
        const int keepOpen = ::open(fifo.c_str(), O_WRONLY); // no end of file before the program's
        ::fcntl(reader, F_SETFL, 0);
        std::string received;
        std::thread drain([&] {
            char buffer[4096];
            for (ssize_t count; (count = ::read(reader, buffer, sizeof buffer)) > 0;)
                received.append(buffer, static_cast<std::size_t>(count));
        });
        std::vector<std::string> args = {"--app-dir", app.path().string(), "--sura", "1", "--out", fifo.string()};
        if (pdf)
            args.push_back("--pdf");
        const ExportRun streamed = run(args);
        ::close(keepOpen);
        drain.join();
        ::close(reader);
        EXPECT_EQ(streamed.exitCode, 0) << streamed.err;
        EXPECT_TRUE(fs::is_fifo(fs::symlink_status(fifo)));
        EXPECT_EQ(received.substr(0, 5), pdf ? "%PDF-" : "<html") << received.substr(0, 40);
    }

    const std::string missing = (outFolder / "no" / "such" / "page.html").string();
    const ExportRun refused = run({"--app-dir", app.path().string(), "--sura", "2", "--out", missing});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(has(refused.err, "Unable to write to " + missing + ": No such file or directory")) << refused.err;
    EXPECT_FALSE(has(refused.err, ".saving-")) << refused.err;
}

#ifdef TILVANE_DEFAULT_RES

// The data the reader ships with, made by the data builder.
class ExportDefaultData : public ExportCommand {
protected:
    void SetUp() override { fs::create_directory_symlink(TILVANE_DEFAULT_RES, app / "res"); }
};

TEST_F(ExportDefaultData, Sura2InEveryViewStyle)
{
    for (int viewStyle : {0, 1, 2, 3}) {
        writeSettings(viewStyle, kBuiltInTranslations);
        const ExportRun result = exportPage({"--sura", "2"});
        ASSERT_EQ(result.exitCode, 0) << viewStyle << result.err;
        const std::string page = readFile(out);
        EXPECT_TRUE(has(page, "id=\"2_1\"")) << viewStyle;
        EXPECT_TRUE(has(page, "id=\"2_286\"")) << viewStyle;
        EXPECT_FALSE(has(page, "id=\"2_287\"")) << viewStyle;
        EXPECT_EQ(has(page, "class=\" bismillah\""), viewStyle != 3) << viewStyle;
        EXPECT_EQ(has(page, "id=\"arabic_latin_2_255\""), viewStyle == 0) << viewStyle;
        EXPECT_EQ(page.substr(page.size() - 9), "</html>\r\n");
    }
}

// The same page with the tajweed colours: spans, their stylesheet and the legend, nothing else.
TEST_F(ExportDefaultData, Sura112WithTajweedColours)
{
    writeSettings(2, kBuiltInTranslations);
    ASSERT_EQ(exportPage({"--sura", "112"}).exitCode, 0);
    const std::string plain = readFile(out);
    const ExportRun result = exportPage({"--sura", "112", "--tajweed"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string coloured = readFile(out);
    EXPECT_FALSE(has(plain, "tajweed-"));
    EXPECT_TRUE(has(coloured, "href=\"lib/css/tajweed.css\""));
    EXPECT_TRUE(has(coloured, "<div class=\"tajweedLegend\""));
    EXPECT_TRUE(has(coloured, "<span class=\"tajweed-qalqalah\">\xD8\xAF\xD9\x8C</span>")); // دٌ of 112:1
    EXPECT_TRUE(fs::exists(workingRoot() / "lib" / "css" / "tajweed.css"));
    EXPECT_GT(coloured.size(), plain.size());
}

// Ticked like a translation, the ministry's tafsir stands under every aya of the page.
TEST_F(ExportDefaultData, Sura2WithTheTafsirTicked)
{
    writeSettings(0, "[translations]\r\nCount=3\r\ntrl_00=Indonesian_Footnote\r\ntrl_00Acive=1\r\n"
                     "trl_01=Indonesian_Latin\r\ntrl_01Acive=1\r\n"
                     "trl_02=Indonesian_TafsirKemenag\r\ntrl_02Acive=1\r\n");
    const ExportRun result = exportPage({"--sura", "2"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string page = readFile(out);
    const std::string first = page.substr(0, page.find("id=\"2_2\""));
    EXPECT_TRUE(has(first, "Alif Laam miim. Beberapa surah dalam Al-Qur'an dibuka")) << first;
    EXPECT_TRUE(has(page.substr(page.find("id=\"2_286\"")), "Tidak ada yang berat dalam beragama"));
}

TEST_F(ExportDefaultData, PrefaceAndClosingOfSura114)
{
    for (const auto& [option, id] : {std::pair{"--preface", "114_a"}, {"--closing", "114_z"}}) {
        const ExportRun result = exportPage({"--sura", "114", option});
        ASSERT_EQ(result.exitCode, 0) << option << result.err;
        const std::string page = readFile(out);
        EXPECT_TRUE(has(page, formatFragment(PrefaceBodyOpen, {id}))) << option;
        EXPECT_TRUE(has(page, "114. An-Naas")) << option;
        EXPECT_GT(page.size(), PrefaceHead.size() + PrefacePageClose.size() + 200) << option;
    }
}

#endif
