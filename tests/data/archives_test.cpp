// The two archives as 7-Zip sees them, and the builder's reproducibility and refusals.
#include "data_fixture.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <set>

namespace tilvane::test {
namespace {

std::string builderCommand(const std::filesystem::path& modules, const std::filesystem::path& out)
{
    return shellQuote(TILVANE_DATABUILDER) + " --node-modules " + shellQuote(modules.string())
        + " --page-files " + shellQuote(std::string(TILVANE_SOURCE_DIR) + "/data/page")
        + " --font " + shellQuote(TILVANE_QURAN_FONT) + " --out " + shellQuote(out.string());
}

std::set<std::string> expectedLibFiles()
{
    std::set<std::string> files = {
        "lib/quran_uthman/quran_uthmani.txt", "lib/num_ar.txt", "lib/suraname_ar.txt",
        "lib/suraarb.txt", "lib/me_quran_volt_mark2.ttf", "lib/css/tooltip.css",
        "lib/img/sura-header.png"};
    for (const char* script : {"jquery", "ifx", "iutil", "ifxscrollto", "common", "search",
                               "nav", "tooltip"})
        files.insert(std::string("lib/js/") + script + ".js");
    return files;
}

std::set<std::string> expectedLibinaFiles()
{
    std::set<std::string> files = {"libina/ina_tran.txt", "libina/ina_latn.txt",
                                   "libina/ina_sura.txt", "libina/ina_foot.txt",
                                   "libina/ina_idx.txt", "libina/ina_idx_pos.txt"};
    char name[32];
    for (int sura = 1; sura <= 114; ++sura)
        for (const char kind : {'a', 'z'}) {
            std::snprintf(name, sizeof name, "libina/az/s%03d%c.htm", sura, kind);
            files.insert(name);
        }
    return files;
}

std::set<std::string> keysOf(const std::map<std::string, std::string>& files)
{
    std::set<std::string> keys;
    for (const auto& [path, bytes] : files)
        keys.insert(path);
    return keys;
}

TEST(Archives, SevenZipTestsBothArchivesWithoutError)
{
    for (const char* name : {"lib.tvz", "libina.tvz"}) {
        const auto result =
            runCommand("7zz t " + shellQuote((builtResDir() / name).string()));
        EXPECT_EQ(result.exitCode, 0) << name << "\n" << result.output;
        EXPECT_NE(result.output.find("Everything is Ok"), std::string::npos) << result.output;
    }
}

TEST(Archives, HoldExactlyTheExpectedTree)
{
    EXPECT_EQ(keysOf(builtLib().files), expectedLibFiles());
    EXPECT_EQ(std::set<std::string>(builtLib().folders.begin(), builtLib().folders.end()),
              (std::set<std::string> {"lib", "lib/css", "lib/img", "lib/js", "lib/quran_uthman"}));
    EXPECT_EQ(keysOf(builtLibina().files), expectedLibinaFiles());
    EXPECT_TRUE(std::filesystem::is_directory(builtResDir() / "audio"));
    EXPECT_TRUE(std::filesystem::is_empty(builtResDir() / "audio"));
}

TEST(Archives, HeaderImageIsAPng)
{
    const std::string& png = builtLib().files.at("lib/img/sura-header.png");
    EXPECT_TRUE(png.starts_with("\x89PNG\r\n\x1a\n"));
    EXPECT_TRUE(png.ends_with(std::string("IEND\xAE\x42\x60\x82", 8)));
}

std::map<std::string, std::string> treeBytes(const std::filesystem::path& root)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files[std::filesystem::relative(entry.path(), root).string()] = readFile(entry.path());
    return files;
}

TEST(Builder, SameInputsGiveByteIdenticalOutput)
{
    TempFolder first;
    TempFolder second;
    for (const auto* out : {&first, &second}) {
        const auto result = runCommand(builderCommand(nodeModules(), out->path()));
        ASSERT_EQ(result.exitCode, 0) << result.output;
    }
    const auto a = treeBytes(first.path());
    const auto b = treeBytes(second.path());
    ASSERT_TRUE(a.count("lib.tvz") && a.count("libina.tvz"));
    EXPECT_EQ(keysOf(a), keysOf(b));
    for (const auto& [path, bytes] : a)
        EXPECT_TRUE(b.count(path) && b.at(path) == bytes) << path << " differs between builds";
}

TEST(Builder, MissingPackagesFailWithTheSetUpHint)
{
    TempFolder empty;
    const auto result = runCommand(builderCommand(empty.path(), empty.path() / "res"));
    EXPECT_NE(result.exitCode, 0);
    EXPECT_NE(result.output.find("scripts/setup.sh"), std::string::npos) << result.output;
    EXPECT_FALSE(std::filesystem::exists(empty.path() / "res" / "lib.tvz"));
}

// A copy of the packages (links to the real files) with one note mark renumbered: the
// builder must stop rather than drop a number that does not belong to the note sequence.
TEST(Builder, NoteNumberOutOfSequenceStopsTheBuild)
{
    TempFolder modules;
    for (const char* package : {"quran-json", "quran-meta"})
        std::filesystem::create_symlink(nodeModules() / package, modules.path() / package);
    const auto sources = modules.path() / "quran-pack/dist/surah/source";
    std::filesystem::create_directories(sources);
    for (int sura = 2; sura <= 114; ++sura) {
        const std::string name = std::to_string(sura) + ".json";
        std::filesystem::create_symlink(nodeModules() / "quran-pack/dist/surah/source" / name,
                                        sources / name);
    }
    std::string fatihah = readFile(nodeModules() / "quran-pack/dist/surah/source/1.json");
    const std::size_t mark = fatihah.find("Tuhan1)");
    ASSERT_NE(mark, std::string::npos);
    fatihah.replace(mark, 7, "Tuhan9)");
    writeFile(sources / "1.json", fatihah);

    const auto result = runCommand(builderCommand(modules.path(), modules.path() / "res"));
    EXPECT_NE(result.exitCode, 0);
    EXPECT_NE(result.output.find("1:2"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("note number 9)"), std::string::npos) << result.output;
}

} // namespace
} // namespace tilvane::test
