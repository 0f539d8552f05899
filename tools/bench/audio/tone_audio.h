#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tilvane::bench {

// A synthetic reciter of pure tones, and the measuring of what the player rendered: the
// recordings have no silence at either end, so any silence in the output was added by the
// playback.

inline constexpr int kToneSampleRate = 44100;

// Writes a mono 16-bit WAV of a sine at `hertz`, `milliseconds` long, then encodes it to an
// MP3 beside it with lame. Returns false when lame is missing or fails.
bool writeToneMp3(const std::string& mp3, double hertz, int milliseconds);

// The first channel of a 16-bit PCM WAV file, scaled to -1..1. A header whose sizes were never
// filled in (an output cut short) is read up to the end of the file. Empty when unreadable.
struct Recording {
    int sampleRate = 0;
    std::vector<float> samples;
};
Recording readWav(const std::string& path);

// A stretch of sound between silences longer than the tolerance.
struct SoundRun {
    double startMs = 0;
    double endMs = 0;
    double hertz = 0; // from the zero crossings of its middle part
    double lengthMs() const { return endMs - startMs; }
};

// The runs of sound in the recording: silence is at least minimumGapMs of samples below
// threshold (a sine's zero crossings last far less).
std::vector<SoundRun> soundRuns(const Recording& recording, double minimumGapMs = 0.5, float threshold = 0.01f);

} // namespace tilvane::bench
