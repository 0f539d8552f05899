#pragma once

#include "core/audio/player_host.h"
#include "tone_audio.h"

#include <functional>
#include <string>
#include <vector>

namespace tilvane {
class GstMediaDevice;
class RecitationPlayer;
}

namespace tilvane::bench {

struct ToneAya {
    TQuranPos pos;
    double hertz = 440;
    int milliseconds = 1000;
};

// Makes a reciter named "tones" of these ayat below folder and chooses it, as the reader
// does (AudioDir, Reciter, InitAudio). Returns false when the files cannot be made.
bool installToneReciter(const std::string& folder, const std::vector<ToneAya>& ayat);

struct RenderRequest {
    std::string outputWav;
    TQuranPos from{1, 1};
    int speedPercent = 100;
    int ayaPause = 0;
    bool continuous = true;
    // Called on every tick of the player's timer while it plays.
    std::function<void(RecitationPlayer&, GstMediaDevice&)> onTick;
    int deadlineMs = 60000;
};

struct RenderResult {
    Recording audio;
    std::vector<TQuranPos> shown;        // every aya the window moved to, in order
    std::vector<MissingAya> missingAyat;
    std::string failure;                 // an error of the player, or a missed deadline
};

// Plays from request.from until the player stops, with the audio going to a WAV file
// through TILVANE_AUDIO_SINK, and reads back what was rendered.
RenderResult renderRecitation(const RenderRequest& request);

} // namespace tilvane::bench
