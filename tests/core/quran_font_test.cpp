#include "core/quran/quran_font.h"
#include "support/temp_folder.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

using namespace tilvane;
using tilvane::test::readFile;
using tilvane::test::TempFolder;
using tilvane::test::writeFile;

namespace {

// Installed by the set-up packages (fonts-sil-scheherazade); any real font file will do.
const std::string kRealFont = "/usr/share/fonts/truetype/scheherazade/Scheherazade-Regular.ttf";

// Read straight from fontconfig's set of fonts added by the running process.
bool inApplicationFontSet(const std::string& path)
{
    FcFontSet* fonts = FcConfigGetFonts(FcConfigGetCurrent(), FcSetApplication);
    for (int i = 0; fonts != nullptr && i < fonts->nfont; ++i) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file) == FcResultMatch
            && std::strcmp(reinterpret_cast<const char*>(file), path.c_str()) == 0)
            return true;
    }
    return false;
}

class QuranFont : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(std::filesystem::exists(kRealFont)) << "install fonts-sil-scheherazade"; }

    void putSource(const std::string& bytes) { writeFile(libDir() + kQuranFontFile, bytes); }
    std::string libDir() const { return work.dir() + "lib/"; }
    std::string fontDir() const { return home.dir() + "fonts/"; }
    std::string installed() const { return fontDir() + kQuranFontFile; }

    TempFolder work;
    TempFolder home;
};

} // namespace

TEST_F(QuranFont, FirstStartCopiesAndRegistersTheFontAndASecondStartCopiesNothing)
{
    const std::string font = readFile(kRealFont);
    putSource(font);
    installQuranFont(libDir(), fontDir());
    ASSERT_TRUE(std::filesystem::exists(installed()));
    EXPECT_EQ(readFile(installed()), font);
    EXPECT_TRUE(inApplicationFontSet(installed()));
    EXPECT_FALSE(std::filesystem::exists(libDir() + kQuranFontFile));
    EXPECT_FALSE(std::filesystem::exists(installed() + ".part"));

    putSource("a different file that must not replace the installed font");
    installQuranFont(libDir(), fontDir());
    EXPECT_EQ(readFile(installed()), font);
    EXPECT_TRUE(inApplicationFontSet(installed()));
    EXPECT_FALSE(std::filesystem::exists(libDir() + kQuranFontFile));
}

TEST_F(QuranFont, ACopyFromAnEarlierStartIsRegisteredForThisRun)
{
    writeFile(installed(), readFile(kRealFont));
    ASSERT_FALSE(inApplicationFontSet(installed()));
    installQuranFont(libDir(), fontDir());
    EXPECT_TRUE(inApplicationFontSet(installed()));
    EXPECT_TRUE(isApplicationFont(installed()));
}

TEST_F(QuranFont, AMissingSourceIsSilentAndInstallsNothing)
{
    EXPECT_NO_THROW(installQuranFont(libDir(), fontDir()));
    EXPECT_FALSE(std::filesystem::exists(installed()));
    EXPECT_FALSE(inApplicationFontSet(installed()));
}

TEST_F(QuranFont, AFontFolderThatCannotBeCreatedIsSilentAndTheWorkingCopyStillGoes)
{
    putSource(readFile(kRealFont));
    writeFile(home / "fonts", "a file where the folder should be");
    EXPECT_NO_THROW(installQuranFont(libDir(), fontDir()));
    EXPECT_FALSE(std::filesystem::exists(libDir() + kQuranFontFile));
    EXPECT_FALSE(inApplicationFontSet(installed()));
}
