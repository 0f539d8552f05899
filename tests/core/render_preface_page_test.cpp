#include "core/base/errors.h"
#include "core/app/paths.h"
#include "core/render/fragment_format.h"
#include "core/render/fragments.h"
#include "core/render/preface_page.h"
#include "render_fixture.h"

using namespace tilvane;
using namespace tilvane::test;

namespace {

class PrefacePage : public RenderFixture {
protected:
    void SetUp() override
    {
        RenderFixture::SetUp();
        writeFile(AppDirs.AzDir + "s002a.htm", "<b>Al-Baqarah</b> opens\r\n  with 100% of its <i>body</i>\r\n");
        writeFile(AppDirs.AzDir + "s002z.htm", "closing words\n");
    }
};

} // namespace

TEST_F(PrefacePage, WrapsTheBodyIntoThePrefacePageAndShowsItBehindTheSura)
{
    AppSet.ViewStyle = 1; // preface pages keep screen.css whatever the view style
    ShowPrefacePage(2, true, "s002a.htm", host);
    const std::string path = AppDirs.InaazfmtDir + "s002a_fmt.htm";
    EXPECT_EQ(host.calls, (std::vector<std::string>{"showSura 2", "showPreface " + path}));
    EXPECT_EQ(pageEntries(path), (std::vector<std::string>{
                                     formatFragment(PrefaceHead, {PathToFileUrl(AppDirs.TempDir), "2. Al-Baqarah"}),
                                     formatFragment(PrefaceBodyOpen, {"2_a"}),
                                     PrefaceTitle,
                                     "<b>Al-Baqarah</b> opens",
                                     "  with 100% of its <i>body</i>",
                                     PrefaceBodyClose,
                                     PrefacePageClose,
                                 }));
    EXPECT_NE(readFile(path).find("href=\"lib/css/screen.css\""), std::string::npos);
}

TEST_F(PrefacePage, ClosingPageCarriesItsOwnIdTitleAndFile)
{
    const std::string path = WritePrefacePage(2, false, "s002z.htm");
    EXPECT_EQ(path, AppDirs.InaazfmtDir + "s002z_fmt.htm");
    const auto entries = pageEntries(path);
    ASSERT_EQ(entries.size(), 6u);
    EXPECT_EQ(entries[1], formatFragment(PrefaceBodyOpen, {"2_z"}));
    EXPECT_EQ(entries[2], ClosingTitle);
    EXPECT_EQ(entries[3], "closing words");
    EXPECT_EQ(prefacePageFileName(114, true), "s114a_fmt.htm");
}

TEST_F(PrefacePage, AMissingBodyRaisesTheLoadErrorAndNothingIsWrittenOrShown)
{
    try {
        ShowPrefacePage(3, true, "s003a.htm", host);
        FAIL() << "no error raised";
    } catch (const FileOpenError& error) {
        EXPECT_EQ(error.path(), AppDirs.AzDir + "s003a.htm");
    }
    EXPECT_TRUE(host.calls.empty());
    EXPECT_FALSE(std::filesystem::exists(AppDirs.InaazfmtDir + "s003a_fmt.htm"));
}
