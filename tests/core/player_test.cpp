#include "core/app/app_dirs.h"
#include "core/base/errors.h"
#include "core/app/paths.h"
#include "core/app/settings.h"
#include "core/audio/audio_files.h"
#include "core/audio/player.h"
#include "fake_media_device.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

using namespace tilvane;
using tilvane::test::FakeMediaDevice;
using tilvane::test::TempFolder;
using tilvane::test::writeFile;

namespace {

// The main window as the player sees it: navigation with wrap-around over a few suras
// whose aya counts the tests need, and the player's controls as plain values.
class FakeHost : public IPlayerHost {
public:
    RecitationPlayer* player = nullptr;
    TQuranPos pos;
    int pendingRounds = 0;

    std::string status;
    std::vector<MissingAya> missingAyat;
    int playPauseImage = -1;
    std::string playPauseHint;
    bool playPauseEnabled = false;
    int progressMaximum = -1;
    int progress = -1;
    bool timerEnabled = false;
    int speakerImage = -1;
    std::string speakerHint;
    int volumeSlider = -1;
    bool continueChecked = false;

    // What FocusCurrentAya does for the player: a new sura builds a new page.
    void moveTo(TQuranPos to)
    {
        const bool newSura = to.Sura != pos.Sura;
        pos = to;
        SetAudioAya(pos);
        if (player != nullptr)
            player->setAyaFile(AudioAyaFile);
        if (newSura && player != nullptr)
            player->clearBismillahDone();
    }

    TQuranPos currentPos() const override { return pos; }
    void gotoNextAya() override
    {
        if (pos.Aya < ayaCount(pos.Sura))
            moveTo({pos.Sura, pos.Aya + 1});
        else
            moveTo({pos.Sura == 114 ? 1 : pos.Sura + 1, 1});
    }
    void gotoPrevAya() override
    {
        if (pos.Aya > 1) {
            moveTo({pos.Sura, pos.Aya - 1});
        } else {
            const int sura = pos.Sura == 1 ? 114 : pos.Sura - 1;
            moveTo({sura, ayaCount(sura)});
        }
    }
    void gotoAya(const TQuranPos& to) override { moveTo(to); }
    void processPendingEvents() override { ++pendingRounds; }

    void setStatusText(const std::string& text) override { status = text; }
    void reportMissingAya(const MissingAya& missing) override { missingAyat.push_back(missing); }
    void setPlayPauseButton(PlayerImage imageIndex, const std::string& hint) override
    {
        playPauseImage = imageIndex;
        playPauseHint = hint;
    }
    void setPlayPauseEnabled(bool enabled) override { playPauseEnabled = enabled; }
    void setProgressMaximum(int maximum) override { progressMaximum = maximum; }
    void setProgress(int position) override { progress = position; }
    void setPlayTimerEnabled(bool enabled) override { timerEnabled = enabled; }
    void setSpeakerButton(PlayerImage imageIndex, const std::string& hint) override
    {
        speakerImage = imageIndex;
        speakerHint = hint;
    }
    void setVolumeSlider(int position) override { volumeSlider = position; }
    void setContinueChecked(bool checked) override { continueChecked = checked; }

private:
    static int ayaCount(int sura)
    {
        static const std::map<int, int> counts{{1, 7}, {2, 286}, {9, 129}, {114, 6}};
        const auto found = counts.find(sura);
        return found == counts.end() ? 20 : found->second;
    }
};

class Player : public ::testing::Test {
protected:
    void SetUp() override
    {
        AppSet = TAppSet{};
        AppDirs.AudioDir = folder.dir() + "audio/";
        writeFile(AppDirs.AudioDir + AppSet.Reciter + "/audioinit.ini",
                  "[offline]\r\nURL=" + recitation() + "\r\n");
        for (const char* recording : {"audhubillah.mp3", "bismillah.mp3", "bismillah2.mp3"})
            writeFile(recitation() + recording, "");
        InitAudio();
        host.player = &player;
        player.setUpFromSettings();
    }

    std::string recitation() const { return folder.dir() + "recitation/"; }

    void addAyat(int sura, int firstAya, int lastAya)
    {
        for (int aya = firstAya; aya <= lastAya; ++aya)
            writeFile(ayaFile(sura, aya), "");
    }
    std::string ayaFile(int sura, int aya) const
    {
        return recitation() + ZeroPad(sura, 3) + "/" + ZeroPad(sura, 3) + ZeroPad(aya, 3) + ".mp3";
    }
    std::string shortName(const std::string& file) const { return file.substr(recitation().size()); }
    std::vector<std::string> openedNames() const
    {
        std::vector<std::string> names;
        for (const std::string& file : device.opened)
            names.push_back(shortName(file));
        return names;
    }

    // The 100 ms timer, while it runs, until done() or a generous bound.
    void runTimer(const std::function<bool()>& done)
    {
        for (int tick = 0; tick < 2000 && host.timerEnabled && !done(); ++tick) {
            device.advance(100);
            player.tmrPlayTimer();
        }
    }
    void runUntilOpened(std::size_t count)
    {
        runTimer([&] { return device.opened.size() >= count; });
    }
    void runUntilStopped()
    {
        runTimer([] { return false; });
    }

    void expectStoppedAndReady() const
    {
        EXPECT_EQ(player.state(), pcStop);
        EXPECT_FALSE(player.isActive());
        EXPECT_EQ(host.status, "Stopped");
        EXPECT_EQ(host.playPauseImage, kPlayImage);
        EXPECT_TRUE(host.playPauseEnabled);
        EXPECT_FALSE(host.timerEnabled);
    }

    TempFolder folder;
    FakeMediaDevice device;
    FakeHost host;
    int bismillahChoice = 0;
    RecitationPlayer player{device, host, [this] { return bismillahChoice; }};
};

struct ContinuousStart {
    TQuranPos from;
    int bismillahChoice;
    std::vector<std::string> expected;
};

class ContinuousPlay : public Player, public ::testing::WithParamInterface<ContinuousStart> {};

TEST_P(ContinuousPlay, RecordingsPrecedeTheAyatAsTheSuraRequires)
{
    const ContinuousStart& start = GetParam();
    addAyat(start.from.Sura, 1, 3);
    bismillahChoice = start.bismillahChoice;
    host.moveTo(start.from);

    player.btnPlayPauseClick();
    runUntilOpened(start.expected.size());

    EXPECT_EQ(openedNames(), start.expected);
    EXPECT_EQ(host.status, "Playing");
    EXPECT_TRUE(player.isActive());
}

INSTANTIATE_TEST_SUITE_P(
    FromStart, ContinuousPlay,
    ::testing::Values(
        ContinuousStart{{2, 1}, 0, {"audhubillah.mp3", "bismillah.mp3", "002/002001.mp3", "002/002002.mp3"}},
        ContinuousStart{{2, 1}, 1, {"audhubillah.mp3", "bismillah2.mp3", "002/002001.mp3", "002/002002.mp3"}},
        ContinuousStart{{1, 1}, 0, {"audhubillah.mp3", "001/001001.mp3", "001/001002.mp3"}},
        ContinuousStart{{9, 1}, 0, {"audhubillah.mp3", "009/009001.mp3", "009/009002.mp3"}},
        ContinuousStart{{2, 2}, 0, {"audhubillah.mp3", "002/002002.mp3", "002/002003.mp3"}}));

struct RepeatCase {
    const char* name;
    TQuranPos from;
    bool continuous;
    int ayaRepeat;
    int ayaPause;
    std::vector<int> range; // from sura, aya, to sura, aya, times; empty: no range
    std::vector<std::string> expected; // files opened, "wait N" for N silent ticks before one
    bool stopsAfter;
};

class RepeatAndPause : public Player, public ::testing::WithParamInterface<RepeatCase> {
protected:
    // The files opened and the silences between them, until expected.size() events or the stop.
    std::vector<std::string> events(std::size_t count)
    {
        std::vector<std::string> seen = openedNames();
        int silentTicks = 0;
        for (int tick = 0; tick < 2000 && host.timerEnabled && seen.size() < count; ++tick) {
            silentTicks += player.isWaiting() ? 1 : 0;
            const std::size_t opened = device.opened.size();
            device.advance(100);
            player.tmrPlayTimer();
            if (device.opened.size() == opened)
                continue;
            if (silentTicks > 0)
                seen.push_back("wait " + std::to_string(silentTicks));
            seen.push_back(shortName(device.opened.back()));
            silentTicks = 0;
        }
        return seen;
    }
};

TEST_P(RepeatAndPause, TheSettingsDecideWhatPlaysNext)
{
    const RepeatCase& c = GetParam();
    for (int sura : {1, 2})
        addAyat(sura, 1, 7);
    AppSet.IsPlayContinue = c.continuous;
    AppSet.AyaRepeat = c.ayaRepeat;
    AppSet.AyaPause = c.ayaPause;
    if (!c.range.empty()) {
        AppSet.IsRangeRepeat = true;
        AppSet.RangeFromSura = c.range[0];
        AppSet.RangeFromAya = c.range[1];
        AppSet.RangeToSura = c.range[2];
        AppSet.RangeToAya = c.range[3];
        AppSet.RangeRepeat = c.range[4];
    }
    host.moveTo(c.from);

    player.btnPlayPauseClick();
    EXPECT_EQ(events(c.expected.size()), c.expected);
    if (c.stopsAfter) {
        runUntilStopped();
        expectStoppedAndReady();
        EXPECT_EQ(device.opened.size(), static_cast<std::size_t>(std::count_if(
                                            c.expected.begin(), c.expected.end(),
                                            [](const std::string& e) { return e.rfind("wait", 0) != 0; })));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Memorising, RepeatAndPause,
    ::testing::Values(
        RepeatCase{"AyaThreeTimesThenStop", {2, 5}, false, 3, 0, {},
                   {"002/002005.mp3", "002/002005.mp3", "002/002005.mp3"}, true},
        RepeatCase{"EachAyaTwiceInContinuousPlay", {2, 2}, true, 2, 0, {},
                   {"audhubillah.mp3", "002/002002.mp3", "002/002002.mp3", "002/002003.mp3", "002/002003.mp3",
                    "002/002004.mp3"}, false},
        RepeatCase{"AyaWithoutEnd", {2, 5}, false, 0, 0, {},
                   {"002/002005.mp3", "002/002005.mp3", "002/002005.mp3", "002/002005.mp3"}, false},
        RepeatCase{"TwoSecondsAfterEachAya", {2, 2}, true, 1, 2, {},
                   {"audhubillah.mp3", "002/002002.mp3", "wait 20", "002/002003.mp3", "wait 20", "002/002004.mp3"},
                   false},
        RepeatCase{"AsLongAsTheAyaAndNoneAfterTheLast", {2, 5}, false, 2, kAyaPauseAsAya, {},
                   {"002/002005.mp3", "wait 10", "002/002005.mp3"}, true},
        RepeatCase{"RangeAcrossSurasTwice", {1, 6}, false, 1, 0, {1, 6, 2, 2, 2},
                   {"001/001006.mp3", "001/001007.mp3", "002/002001.mp3", "002/002002.mp3", "001/001006.mp3",
                    "001/001007.mp3", "002/002001.mp3", "002/002002.mp3"}, true},
        RepeatCase{"PlayOutsideTheRangeStartsAtItsFirstAya", {2, 5}, false, 1, 0, {1, 1, 1, 2, 1},
                   {"001/001001.mp3", "001/001002.mp3"}, true},
        RepeatCase{"RangeWithoutEndAndEachAyaTwice", {1, 1}, false, 2, 0, {1, 1, 1, 2, 0},
                   {"001/001001.mp3", "001/001001.mp3", "001/001002.mp3", "001/001002.mp3", "001/001001.mp3",
                    "001/001001.mp3"}, false},
        RepeatCase{"BackwardsRangeIsIgnored", {2, 3}, false, 1, 0, {2, 4, 2, 1, 1}, {"002/002003.mp3"}, true}),
    [](const ::testing::TestParamInfo<RepeatCase>& info) { return std::string(info.param.name); });

TEST_F(Player, TheAyaMovedToDuringContinuousPlayIsTheNextOnePlayed)
{
    addAyat(2, 1, 7);
    host.moveTo({2, 2});
    player.btnPlayPauseClick();
    runUntilOpened(2); // audhubillah, 2:2

    host.gotoNextAya(); // the main toolbar, twice, while 2:2 plays
    host.gotoNextAya();
    runUntilOpened(4);

    EXPECT_EQ(openedNames(),
              (std::vector<std::string>{"audhubillah.mp3", "002/002002.mp3", "002/002004.mp3", "002/002005.mp3"}));
}

TEST_F(Player, PauseInTheSilenceHoldsItAndSpeedAppliesAtOnce)
{
    addAyat(2, 1, 7);
    host.moveTo({2, 2});
    player.chkAudioContinueChange(false);
    AppSet.AyaRepeat = 2;
    AppSet.AyaPause = 1;
    player.btnPlayPauseClick();
    player.setPlaybackSpeed(125);
    EXPECT_DOUBLE_EQ(device.rate, 1.25);
    runTimer([&] { return player.isWaiting(); });
    EXPECT_EQ(host.status, "Waiting");

    player.btnPlayPauseClick();
    EXPECT_EQ(host.status, "Paused");
    EXPECT_FALSE(host.timerEnabled);
    player.btnPlayPauseClick();
    EXPECT_EQ(host.status, "Waiting");
    runUntilOpened(2);

    EXPECT_EQ(openedNames(), (std::vector<std::string>{"002/002002.mp3", "002/002002.mp3"}));
    EXPECT_DOUBLE_EQ(device.rate, 1.25);
    player.setPlaybackSpeed(300);
    EXPECT_EQ(AppSet.PlaybackSpeed, 200);
}

TEST_F(Player, BismillahPlaysAgainOnlyAfterThePageWasRebuilt)
{
    addAyat(2, 1, 1);
    host.moveTo({2, 1});
    player.btnPlayPauseClick();
    runUntilOpened(3); // audhubillah, bismillah, the aya
    player.btnStopClick();

    device.opened.clear();
    player.btnPlayPauseClick();
    EXPECT_EQ(openedNames(), std::vector<std::string>{"002/002001.mp3"});

    player.btnStopClick();
    player.clearBismillahDone(); // the page was reloaded
    device.opened.clear();
    player.btnPlayPauseClick();
    runUntilOpened(2);
    EXPECT_EQ(openedNames(), (std::vector<std::string>{"bismillah.mp3", "002/002001.mp3"}));
}

TEST_F(Player, WithoutContinuousPlayOnlyTheAyaPlaysAndThePlayerStops)
{
    addAyat(2, 1, 2);
    host.moveTo({2, 1});
    player.chkAudioContinueChange(false);
    EXPECT_FALSE(AppSet.IsPlayContinue);

    player.btnPlayPauseClick();
    EXPECT_EQ(host.playPauseImage, kPauseImage);
    EXPECT_EQ(host.playPauseHint, "Pause");
    runUntilStopped();

    EXPECT_EQ(openedNames(), std::vector<std::string>{"002/002001.mp3"});
    expectStoppedAndReady();
    EXPECT_EQ(host.playPauseHint, "Play");
    EXPECT_EQ(host.pos, (TQuranPos{2, 1}));
}

TEST_F(Player, ContinuousPlayGoesOnFromTheLastAyaToTheFirstSura)
{
    addAyat(114, 6, 6);
    addAyat(1, 1, 1);
    host.moveTo({114, 6});

    player.btnPlayPauseClick();
    runUntilOpened(3);

    EXPECT_EQ(openedNames(), (std::vector<std::string>{"audhubillah.mp3", "114/114006.mp3", "001/001001.mp3"}));
    EXPECT_EQ(host.pos, (TQuranPos{1, 1}));
}

TEST_F(Player, PlayAfterPauseAndToolbarMoveStartsTheNewAyaFromItsBeginning)
{
    addAyat(2, 5, 6);
    host.moveTo({2, 5});
    player.chkAudioContinueChange(false);
    player.btnPlayPauseClick();
    runTimer([&] { return device.position() >= 500; });

    player.btnPlayPauseClick();
    EXPECT_EQ(player.state(), pcPause);
    EXPECT_EQ(host.status, "Paused");
    EXPECT_EQ(host.playPauseHint, "Resume");
    EXPECT_FALSE(host.timerEnabled);

    host.gotoNextAya(); // the main toolbar, not the player's buttons
    player.btnPlayPauseClick();

    EXPECT_EQ(shortName(device.fileName()), "002/002006.mp3");
    EXPECT_EQ(device.position(), 0);
    EXPECT_TRUE(device.playing());
    EXPECT_EQ(host.status, "Playing");
    EXPECT_TRUE(player.isActive());
}

TEST_F(Player, ResumeOnTheSameAyaContinuesWhereItPaused)
{
    addAyat(2, 5, 5);
    host.moveTo({2, 5});
    player.chkAudioContinueChange(false);
    player.btnPlayPauseClick();
    runTimer([&] { return device.position() >= 500; });
    const auto pausedAt = device.position();

    player.btnPlayPauseClick();
    player.btnPlayPauseClick();

    EXPECT_EQ(player.state(), pcResume);
    EXPECT_EQ(device.position(), pausedAt);
    EXPECT_EQ(device.calls.back(), "resume");
    EXPECT_TRUE(host.timerEnabled);
    EXPECT_EQ(host.playPauseHint, "Pause");
}

TEST_F(Player, ResumingAPausedRecordingStartsTheAyaAndPlaysOnFromIt)
{
    addAyat(1, 1, 2);
    host.moveTo({1, 1});
    player.btnPlayPauseClick(); // audhubillah
    player.btnPlayPauseClick(); // pause it
    player.btnPlayPauseClick(); // resume: the shown aya instead

    EXPECT_EQ(shortName(device.fileName()), "001/001001.mp3");
    runUntilOpened(3);
    // The aya's end moves on; it is not taken for the end of a recording.
    EXPECT_EQ(openedNames(), (std::vector<std::string>{"audhubillah.mp3", "001/001001.mp3", "001/001002.mp3"}));
}

TEST_F(Player, StopThenPlayReopensTheAyaFromItsBeginning)
{
    addAyat(1, 2, 2);
    host.moveTo({1, 2});
    player.chkAudioContinueChange(false);
    player.btnPlayPauseClick();
    runTimer([&] { return device.position() >= 500; });

    player.btnStopClick();
    expectStoppedAndReady();
    EXPECT_EQ(host.progress, 0);
    device.calls.clear();

    player.btnPlayPauseClick();
    EXPECT_EQ(device.calls, (std::vector<std::string>{"close", "open", "close", "play"}));
    EXPECT_EQ(device.position(), 0);
    EXPECT_EQ(device.opened.size(), 2u);
}

TEST_F(Player, StopBeforeAnythingPlayedIsQuiet)
{
    EXPECT_NO_THROW(player.btnStopClick());
    expectStoppedAndReady();
    EXPECT_TRUE(device.calls.empty());
}

TEST_F(Player, PrevAndNextAyaButtonsAlwaysStartPlaying)
{
    addAyat(114, 6, 6);
    addAyat(1, 1, 1);
    player.chkAudioContinueChange(false);
    host.moveTo({1, 1});

    player.btnPlayPrevAyaClick();
    EXPECT_EQ(host.pos, (TQuranPos{114, 6}));
    EXPECT_EQ(shortName(device.fileName()), "114/114006.mp3");
    EXPECT_TRUE(device.playing());

    player.btnPlayNextAyaClick();
    EXPECT_EQ(host.pos, (TQuranPos{1, 1}));
    EXPECT_EQ(shortName(device.fileName()), "001/001001.mp3");
    EXPECT_EQ(player.state(), pcPlay);
    EXPECT_EQ(host.pendingRounds, 2);
}

TEST_F(Player, MissingAyaFileEndsStoppedWithoutAnError)
{
    host.moveTo({2, 7});
    EXPECT_NO_THROW(player.btnPlayPauseClick());
    expectStoppedAndReady();
    EXPECT_TRUE(device.opened.empty());
}

TEST_F(Player, ContinuousPlayRunsOnWithoutReopeningAndSkipsAMissingAyaWithANotice)
{
    addAyat(1, 1, 2);
    addAyat(1, 4, 4);
    host.moveTo({1, 1});

    player.btnPlayPauseClick();
    runUntilStopped();

    EXPECT_EQ(openedNames(),
              (std::vector<std::string>{"audhubillah.mp3", "001/001001.mp3", "001/001002.mp3", "001/001004.mp3"}));
    // Opened afresh only at the start and after the gap of the missing aya.
    EXPECT_EQ(std::count(device.calls.begin(), device.calls.end(), "open"), 2);
    EXPECT_EQ(host.missingAyat, (std::vector<MissingAya>{{{1, 3}, ayaFile(1, 3), TQuranPos{1, 4}},
                                                         {{1, 5}, ayaFile(1, 5), std::nullopt}}));
    expectStoppedAndReady();
}

TEST_F(Player, MovingOntoAMissingAyaStopsTheFileThatPlays)
{
    addAyat(2, 1, 1);
    host.moveTo({2, 1});
    player.chkAudioContinueChange(false);
    player.btnPlayPauseClick();

    player.btnPlayNextAyaClick(); // 2:2 has no file

    expectStoppedAndReady();
    EXPECT_FALSE(device.playing());
}

TEST_F(Player, MissingRecordingsAreSkipped)
{
    addAyat(2, 1, 1);
    std::filesystem::remove(recitation() + "audhubillah.mp3");
    host.moveTo({2, 1});

    player.btnPlayPauseClick();
    runUntilOpened(2);
    EXPECT_EQ(openedNames(), (std::vector<std::string>{"bismillah.mp3", "002/002001.mp3"}));

    std::filesystem::remove(recitation() + "bismillah.mp3");
    player.btnStopClick();
    player.clearBismillahDone();
    device.opened.clear();
    player.btnPlayPauseClick();
    EXPECT_EQ(openedNames(), std::vector<std::string>{"002/002001.mp3"});
    EXPECT_EQ(host.status, "Playing");
}

TEST_F(Player, UnknownLengthNeverEndsAFileButTheEndNoticeDoes)
{
    addAyat(2, 1, 2);
    host.moveTo({2, 1});
    player.chkAudioContinueChange(false);
    device.lengthKnownAfter = 1'000'000;
    device.reportsEnd = false;
    player.btnPlayPauseClick();
    EXPECT_EQ(host.progressMaximum, 0);

    for (int tick = 0; tick < 30; ++tick) {
        device.advance(100);
        player.tmrPlayTimer();
    }
    EXPECT_EQ(player.state(), pcPlay);
    EXPECT_EQ(host.progressMaximum, 0);

    device.reportsEnd = true;
    player.tmrPlayTimer();
    expectStoppedAndReady();
}

TEST_F(Player, LateLengthBecomesTheProgressMaximumAndEndsTheFile)
{
    addAyat(2, 1, 1);
    host.moveTo({2, 1});
    player.chkAudioContinueChange(false);
    device.reportsEnd = false;
    device.lengths[AudioAyaFile] = 1500;
    player.btnPlayPauseClick();
    EXPECT_EQ(host.progressMaximum, 0);

    runTimer([&] { return host.progressMaximum != 0; });
    EXPECT_EQ(host.progressMaximum, 1500);
    EXPECT_GT(host.progress, 0);

    runUntilStopped();
    expectStoppedAndReady();
}

TEST_F(Player, MediaErrorOnOpenEndsStoppedWithTheButtonUsable)
{
    addAyat(2, 3, 3);
    host.moveTo({2, 3});
    player.chkAudioContinueChange(false);
    device.unplayable.insert(AudioAyaFile);

    EXPECT_THROW(player.btnPlayPauseClick(), TilvaneError);
    expectStoppedAndReady();

    device.unplayable.clear();
    player.btnPlayPauseClick();
    EXPECT_EQ(player.state(), pcPlay);
}

TEST_F(Player, MediaErrorDuringPlaybackEndsStopped)
{
    addAyat(2, 3, 3);
    host.moveTo({2, 3});
    player.btnPlayPauseClick();
    device.playbackFailure = "The recitation stream broke off.";

    EXPECT_THROW(player.tmrPlayTimer(), TilvaneError);
    expectStoppedAndReady();
}

TEST_F(Player, SliderTopIsLoudestAndMuteWinsForTheNextFile)
{
    addAyat(2, 1, 2);
    host.moveTo({2, 1});
    player.chkAudioContinueChange(false);
    player.btnPlayPauseClick();
    EXPECT_EQ(device.volume, 800);

    player.trbVolumeChange(0);
    EXPECT_EQ(AppSet.Volume, 1000);
    EXPECT_EQ(device.volume, 1000);
    player.trbVolumeChange(1000);
    EXPECT_EQ(AppSet.Volume, 0);
    EXPECT_EQ(device.volume, 0);

    player.btnSpeakerClick();
    EXPECT_TRUE(AppSet.IsMuted);
    EXPECT_EQ(host.speakerImage, kSpeakerMutedImage);
    EXPECT_EQ(host.speakerHint, "Unmute");

    // While muted the slider sets the volume heard after the unmute; the mute stays for the
    // next file.
    player.trbVolumeChange(300);
    EXPECT_EQ(AppSet.Volume, 700);
    EXPECT_EQ(device.volume, 0);
    EXPECT_TRUE(AppSet.IsMuted);
    player.btnPlayNextAyaClick();
    EXPECT_EQ(device.volume, 0);

    player.btnSpeakerClick();
    EXPECT_EQ(device.volume, 700);
    EXPECT_EQ(host.speakerImage, kSpeakerOnImage);
    EXPECT_EQ(host.speakerHint, "Mute");
}

TEST_F(Player, SetUpShowsTheSettings)
{
    AppSet.Volume = 250;
    AppSet.IsMuted = true;
    AppSet.IsPlayContinue = false;
    player.setUpFromSettings();

    EXPECT_EQ(host.volumeSlider, 750);
    EXPECT_EQ(host.speakerImage, kSpeakerMutedImage);
    EXPECT_FALSE(host.continueChecked);
    EXPECT_EQ(host.status, "Stopped");
    EXPECT_EQ(host.playPauseHint, "Play|Play current aya");
    EXPECT_EQ(host.progressMaximum, 0);
    EXPECT_FALSE(player.isActive());
}

} // namespace
