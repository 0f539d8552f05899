#include "core/app/settings.h"
#include "gui/support/gui_app.h"
#include "support/temp_folder.h"
#include "tone_session.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace tilvane;
using namespace tilvane::bench;
using tilvane::test::guiApp;
using tilvane::test::TempFolder;

namespace {

// The reciter: tones of 1 s, no silence at either end; what the player adds shows in the output.
constexpr double kTone = 440;

double soundMs(const std::vector<SoundRun>& runs)
{
    return std::accumulate(runs.begin(), runs.end(), 0.0,
                           [](double sum, const SoundRun& run) { return sum + run.lengthMs(); });
}

class ToneReciter : public ::testing::Test {
protected:
    void SetUp() override
    {
        guiApp();
        AppSet = TAppSet{};
        ASSERT_TRUE(installToneReciter(folder.dir(), {{{1, 1}, kTone}, {{1, 2}, kTone}, {{1, 4}, kTone}}))
            << "lame is needed to make the tone recordings";
    }

    TempFolder folder;
};

class ToneRecitation : public ToneReciter, public ::testing::WithParamInterface<int> {};

TEST_P(ToneRecitation, ContinuousPlayKeepsThePitchScalesTheLengthAndAddsNoGap)
{
    const int percent = GetParam();
    RenderRequest request;
    request.outputWav = (folder / "out.wav").string();
    request.speedPercent = percent;
    const RenderResult result = renderRecitation(request);
    ASSERT_EQ(result.failure, "");

    // 1:1 and 1:2 as one unbroken sound, the window following; 1:3 has no file, 1:4 plays
    // after it and the missing 1:5 ends the run. scaletempo keeps back some 20 ms of the end
    // of a file that nothing follows, hence 3 % rather than the 2 % of the benchmark.
    const std::vector<SoundRun> runs = soundRuns(result.audio);
    ASSERT_FALSE(runs.empty());
    const double ayaMs = 1000.0 * 100 / percent;
    EXPECT_NEAR(runs[0].hertz, kTone, kTone * 0.01);
    EXPECT_GT(runs[0].lengthMs(), 2 * ayaMs * 0.97) << "a gap between 1:1 and 1:2";
    EXPECT_NEAR(soundMs(runs), 3 * ayaMs, 3 * ayaMs * 0.03);
    EXPECT_EQ(result.shown, (std::vector<TQuranPos>{{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}}));
}

INSTANTIATE_TEST_SUITE_P(Speeds, ToneRecitation, ::testing::Values(75, 150));

TEST_F(ToneReciter, AMissingAyaIsNamedInTheStatusBarAndSkipped)
{
    RenderRequest request;
    request.outputWav = (folder / "out.wav").string();
    request.from = {1, 2};
    const RenderResult result = renderRecitation(request);
    ASSERT_EQ(result.failure, "");

    EXPECT_NEAR(soundMs(soundRuns(result.audio)), 2000.0, 40.0);
    ASSERT_FALSE(result.missingAyat.empty());
    EXPECT_EQ(result.missingAyat.front().aya, (TQuranPos{1, 3}));
    EXPECT_EQ(result.missingAyat.front().playingOnFrom, (TQuranPos{1, 4}));
    EXPECT_EQ(result.shown, (std::vector<TQuranPos>{{1, 2}, {1, 3}, {1, 4}, {1, 5}}));
}

} // namespace
