#pragma once

// A small text store, catalogue and working folder for page-building tests: every aya line
// names its global index, so a page shows at a glance which line went where.
#include "core/app/app_dirs.h"
#include "core/app/settings.h"
#include "core/quran/quran_store.h"
#include "core/quran/sura_table.h"
#include "core/quran/translation_files.h"
#include "core/quran/translations.h"
#include "core/render/page_host.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tilvane::test {

// 1:1 as the Arabic text stores it; its Latin letters let the tests see the case folding.
inline const std::string kBismillah = "\xD8\xA8\xD8\xB3\xD9\x85 Bismi";

class RecordingHost : public IPageHost, public IPrefaceHost {
public:
    void clearDocLoaded() override { calls.push_back("clearDocLoaded"); }
    void navigateQuranPage(const std::string& path) override { calls.push_back("navigate " + path); }
    void clearBismillahDone() override { calls.push_back("clearBismillahDone"); }
    void showSuraBehindPreface(int sura) override { calls.push_back("showSura " + std::to_string(sura)); }
    void showPrefacePage(const std::string& path) override { calls.push_back("showPreface " + path); }

    std::vector<std::string> calls;
};

// The entries of a saved page: each was written followed by CR LF.
inline std::vector<std::string> pageEntries(const std::filesystem::path& file)
{
    const std::string bytes = readFile(file);
    std::vector<std::string> entries;
    std::size_t start = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", start)) {
        entries.push_back(bytes.substr(start, at - start));
        start = at + 2;
    }
    EXPECT_EQ(start, bytes.size()) << "the page must end with CR LF";
    return entries;
}

class RenderFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedSettings = AppSet;
        savedDirs = AppDirs;
        // A blank in the working root shows that the page's base URL is escaped.
        AppDirs = makeAppDirs(app.dir(), (work / "Temp Dir" / "Tilvane").string());
        for (const std::string* folder : {&AppDirs.SuraDir, &AppDirs.AzDir, &AppDirs.InaazfmtDir})
            std::filesystem::create_directories(*folder);
        fillTextStore();
        fillCatalogue();
    }

    void TearDown() override
    {
        AppSet = savedSettings;
        AppDirs = savedDirs;
        clearQuranStore();
        Translations.clear();
        TransSlots.clear();
        ActiveTransCount = 0;
        TransSuraLists.clear();
        TransAyaLists.clear();
        takeTranslationProblems();
    }

    static std::string tag(const char* prefix, int g) { return prefix + std::to_string(g); }

    void fillTextStore()
    {
        std::vector<std::string> arabic, translation, latin, package, packageLatin;
        for (int g = 1; g <= kAyaCount; ++g) {
            arabic.push_back(tag("ar", g));
            translation.push_back(tag("tr", g));
            latin.push_back(tag("lat", g));
            package.push_back(tag("pkg", g));
            packageLatin.push_back(tag("pkglat", g));
        }
        arabic[0] = kBismillah;
        arabic[7] = "\xD8\xA8\xD8\xB3\xD9\x85 BISMI alif-lam-mim"; // 2:1
        translation[0] = "1. In the name<sup><b>[1]</b></sup>.";
        translation[7] = "Alif<sup><b>[2]</b></sup> lam<sup><b>[2]</b></sup> mim<sup><b>[1]</b></sup>";
        translation[8] = "This book<sup><b>[two]</b></sup> without doubt"; // 2:2
        QuranUthmani = LineList(arabic);
        InaTran = LineList(translation);
        InaLatn = LineList(latin);
        InaFoot = LineList({"note one", "note two"});
        NumAr = LineList({"<0>", "<1>", "<2>", "<3>", "<4>", "<5>", "<6>", "<7>", "<8>", "<9>"});
        std::vector<std::string> names;
        for (int s = 1; s <= kSuraCount; ++s)
            names.push_back(tag("name", s));
        SuraNameAr = LineList(names);
        SuraWordAr = "SURA";
        writeFile(packages / "english" / "aya.txt", joined(package));
        writeFile(packages / "english" / "sura.txt", "");
        writeFile(packages / "latin" / "aya.txt", joined(packageLatin));
        writeFile(packages / "latin" / "sura.txt", "");
    }

    void fillCatalogue()
    {
        Translations.assign(2, TTranslation{});
        Translations[0].TransName = "Indonesian_Latin";
        Translations[0].IsArabicLatin = true;
        Translations[1].TransName = "Indonesian_Footnote";
        Translations.push_back(package("English", "english", false));
        Translations.push_back(package("EnglishLatin", "latin", true));
        selectSlots({"Indonesian_Latin", "Indonesian_Footnote", "English", "EnglishLatin"});
    }

    TTranslation package(const std::string& name, const std::string& folder, bool isLatin) const
    {
        TTranslation entry;
        entry.TransName = name;
        entry.FullName = name;
        entry.IsArabicLatin = isLatin;
        entry.PackageFolder = (packages / folder).string();
        entry.SuraNameFile = entry.PackageFolder + "/sura.txt";
        entry.AyaNameFile = entry.PackageFolder + "/aya.txt";
        return entry;
    }

    // Every named slot is active, in this order.
    static void selectSlots(const std::vector<std::string>& names)
    {
        TransSlots.clear();
        for (const std::string& name : names)
            TransSlots.push_back({static_cast<int>(TransSlots.size()), name, true});
        ActiveTransCount = static_cast<int>(names.size());
    }

    static std::string joined(const std::vector<std::string>& lines)
    {
        std::string text;
        for (const std::string& line : lines)
            text += line + "\n";
        return text;
    }

    TempFolder app;
    TempFolder work;
    TempFolder packages;
    TAppSet savedSettings;
    TAppDir savedDirs;
    RecordingHost host;
};

} // namespace tilvane::test
