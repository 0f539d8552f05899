#pragma once

#include "core/app/app_dirs.h"
#include "core/quran/translation_files.h"
#include "core/quran/translations.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace tilvane::test {

// An application folder with its settings file and translation packages, and a catalogue
// emptied before each test.
class TranslationFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        AppDirs = makeAppDirs(app.dir(), app.dir() + "work/");
        IniFileName = AppDirs.AppDir + "Tilvane.ini";
        Translations.clear();
        TransSlots.clear();
        ActiveTransCount = 0;
        TransSuraLists.clear();
        TransAyaLists.clear();
        takeTranslationProblems();
    }

    void writeSettings(const std::string& text) { writeFile(IniFileName, text); }

    // A package folder whose _transinit.ini names its own TransName and FullName and two files.
    std::string addPackage(const std::string& folder, const std::string& transName,
                           const std::string& fullName, bool arabicLatin = false)
    {
        const std::string dir = AppDirs.TransDir + folder;
        writeFile(dir + "/_transinit.ini",
                  "[translation]\r\nTransName=" + transName + "\r\nFullName=" + fullName
                      + "\r\nLanguage=English\r\nIsArabicLatin=" + (arabicLatin ? "1" : "0")
                      + "\r\nSuraNameFile=sura.txt\r\nAyaNameFile=aya.txt\r\n");
        writeFile(dir + "/sura.txt", transName + " sura 1\r\n" + transName + " sura 2\r\n");
        writeFile(dir + "/aya.txt", transName + " aya 1\r\n" + transName + " aya 2\r\n");
        return dir;
    }

    TempFolder app;
};

} // namespace tilvane::test
