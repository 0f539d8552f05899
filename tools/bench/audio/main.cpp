// tilvane-audio-bench: plays a reciter of pure tones through the reader's player and media
// device into a WAV file (TILVANE_AUDIO_SINK) and measures the rendered audio: the pitch and
// the length of the ayat at each speed, the silence added between two ayat in continuous play,
// and how soon the next aya sounds after a move while playing (from the command to the
// first rendered buffer of the newly opened file, on the output's clock). Each figure is printed beside
// its floor: the source's own pitch, its length divided by the speed, no gap.

#include "core/app/settings.h"
#include "core/audio/player.h"
#include "gui/audio/gst_media_device.h"
#include "tone_session.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <string>

using namespace tilvane;
using namespace tilvane::bench;

namespace {

constexpr double kTone = 440;
constexpr double kNextTone = 660;
constexpr int kAyaMs = 1000;
constexpr double kPitchGoal = 0.01;
constexpr double kLengthGoal = 0.02;
constexpr double kGapGoalMs = 10;
constexpr double kMoveGoalMs = 150;
constexpr int kMoveRounds = 3;

std::string scratchFolder()
{
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/tilvane-audio-bench-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr)
        return {};
    return pattern + "/";
}

const char* verdict(bool met)
{
    return met ? "goal met" : "GOAL MISSED";
}

// Two ayat in continuous play at one speed: pitch, length per aya and the gap between them.
bool measureSpeed(const std::string& folder, int percent)
{
    RenderRequest request;
    request.outputWav = folder + "speed" + std::to_string(percent) + ".wav";
    request.speedPercent = percent;
    const RenderResult result = renderRecitation(request);
    const std::vector<SoundRun> runs = soundRuns(result.audio);
    if (!result.failure.empty() || runs.empty()) {
        std::printf("audio at %.2fx: no measurement (%s)\n", percent / 100.0,
                    result.failure.empty() ? "no sound rendered" : result.failure.c_str());
        return false;
    }
    const double speed = percent / 100.0;
    const double sound = std::accumulate(runs.begin(), runs.end(), 0.0,
                                         [](double sum, const SoundRun& run) { return sum + run.lengthMs(); });
    const double ayaMs = sound / 2;
    const double floorMs = kAyaMs / speed;
    const double gapMs = runs.size() > 1 ? runs[1].startMs - runs[0].endMs : 0.0;
    const double pitchError = std::fabs(runs[0].hertz - kTone) / kTone;
    const double lengthError = std::fabs(ayaMs - floorMs) / floorMs;
    std::printf("audio pitch at %.2fx            %8.1f Hz   floor %6.1f Hz   ratio %.4f  (within 1 %%: %s)\n", speed,
                runs[0].hertz, kTone, runs[0].hertz / kTone, verdict(pitchError <= kPitchGoal));
    std::printf("audio aya length at %.2fx       %8.1f ms   floor %6.1f ms   ratio %.4f  (within 2 %%: %s)\n", speed,
                ayaMs, floorMs, ayaMs / floorMs, verdict(lengthError <= kLengthGoal));
    std::printf("audio gap between ayat at %.2fx %8.1f ms   floor %6.1f ms                 (at most 10 ms: %s)\n",
                speed, gapMs, 0.0, verdict(gapMs <= kGapGoalMs));
    return true;
}

// A move to the next aya while the first plays: from the command to the next aya's sound.
bool measureMove(const std::string& folder)
{
    double worst = -1;
    for (int round = 0; round < kMoveRounds; ++round) {
        RenderRequest request;
        request.outputWav = folder + "move" + std::to_string(round) + ".wav";
        request.continuous = false;
        double movedAt = -1;
        double sounded = -1;
        request.onTick = [&](RecitationPlayer& player, GstMediaDevice& device) {
            if (movedAt >= 0) {
                if (device.lastStartSoundedMs() >= movedAt)
                    sounded = static_cast<double>(device.lastStartSoundedMs());
                return;
            }
            if (device.outputTimeMs() < 1000)
                return;
            movedAt = static_cast<double>(device.outputTimeMs());
            player.btnPlayNextAyaClick();
        };
        const RenderResult result = renderRecitation(request);
        const std::vector<SoundRun> runs = soundRuns(result.audio);
        const bool nextHeard = std::any_of(runs.begin(), runs.end(), [&](const SoundRun& run) {
            return std::fabs(run.hertz - kNextTone) < kNextTone * 0.05 || run.endMs > movedAt + 500;
        });
        if (!result.failure.empty() || movedAt < 0 || sounded < 0 || !nextHeard) {
            std::printf("audio move while playing: no measurement (%s)\n",
                        result.failure.empty() ? "the next aya was not heard" : result.failure.c_str());
            return false;
        }
        worst = std::max(worst, sounded - movedAt);
    }
    std::printf("audio move to next aya sounds   %8.1f ms   floor %6.1f ms                 (within 150 ms: %s)\n",
                worst, 0.0, verdict(worst <= kMoveGoalMs));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const std::string folder = scratchFolder();
    bool measured = !folder.empty();
    if (measured && !installToneReciter(folder, {{{1, 1}, kTone, kAyaMs}, {{1, 2}, kTone, kAyaMs}})) {
        std::printf("audio: lame is needed to make the tone recordings\n");
        measured = false;
    }
    for (int percent : {50, 75, 100, 125, 150, 200})
        measured = measured && measureSpeed(folder, percent);
    if (measured && installToneReciter(folder, {{{1, 1}, kTone, 3 * kAyaMs}, {{1, 2}, kNextTone, kAyaMs}}))
        measured = measureMove(folder);
    std::error_code ignored;
    if (!folder.empty())
        std::filesystem::remove_all(folder, ignored);
    return measured ? 0 : 1;
}
