#pragma once

#include <atomic>
#include <cstdint>
#include <string>

typedef struct _GstElement GstElement;
typedef struct _GstAppSink GstAppSink;

namespace tilvane {

// Carries the player's audio into an output pipeline of its own, built from a bin description
// ("wavenc ! filesink location=out.wav"). That pipeline outlives the player's pipeline, which
// is reset for every file the user moves to, so one output holds a whole session. Each
// buffer keeps the clock time at which the player rendered it, and audiorate fills the time
// between runs with silence: the output sounds as the speakers would have.
class AudioOutputRelay {
public:
    // Throws TilvaneError when the description does not make a pipeline.
    explicit AudioOutputRelay(const std::string& description);
    ~AudioOutputRelay();
    AudioOutputRelay(const AudioOutputRelay&) = delete;
    AudioOutputRelay& operator=(const AudioOutputRelay&) = delete;

    // The sink for the player's pipeline; the relay keeps its own reference.
    GstElement* playerSink() const { return m_appSink; }
    // Ends the output (a file gets its final header), waiting at most a few seconds.
    void finish();
    // Ms since the output's first sound; -1 before it.
    std::int64_t outputTimeMs() const;
    // When the player's latest run (a file opened afresh, a seek) first sounded, on the same scale.
    std::int64_t lastRunStartMs() const;

private:
    void forward(GstAppSink* sink);

    GstElement* m_appSink = nullptr;
    GstElement* m_output = nullptr;
    GstElement* m_source = nullptr;
    std::atomic<std::int64_t> m_firstPts{-1}; // ns on the output's clock
    std::atomic<std::int64_t> m_lastRunStart{0};
    std::uint64_t m_origin = 0;    // the output's time 0 on the system clock
    std::uint64_t m_runBase = 0;   // base time of the player's run that sent the last buffer
    std::uint64_t m_nextFrame = 0; // where the next contiguous buffer goes, in frames
    std::uint64_t m_aheadSince = ~0ull; // since when the buffers run ahead of the data
    bool m_finished = false;
};

} // namespace tilvane
