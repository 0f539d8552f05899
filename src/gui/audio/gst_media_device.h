#pragma once

#include "core/audio/media_device.h"

#include <QObject>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>

typedef struct _GstElement GstElement;
typedef struct _GstMessage GstMessage;
typedef struct _GstBus GstBus;
typedef struct _GstPad GstPad;

namespace tilvane {

class AudioOutputRelay;

// The recitation device on GStreamer's playbin, with scaletempo as its audio filter so that
// a speed other than 1 keeps the reciter's pitch. The next file is handed to playbin when it
// asks for one (about-to-finish), so consecutive ayat play without a gap. Bus messages are
// carried over to the GUI thread and handled there.
//
// When the environment variable TILVANE_AUDIO_SINK holds a GStreamer bin description
// ("wavenc ! filesink location=/tmp/out.wav"), the audio goes there instead of the sound
// card, in real time, with any silence between files written out as silence; the output is
// complete once the device is destroyed.
class GstMediaDevice : public QObject, public IMediaDevice {
public:
    static constexpr std::chrono::milliseconds kDefaultOpenTimeout{5000};

    explicit GstMediaDevice(std::chrono::milliseconds openTimeout = kDefaultOpenTimeout);
    ~GstMediaDevice() override;

    void close() override;
    std::string fileName() const override { return m_fileName; }
    // Waits (without running the event loop) until the file is ready to play or refused.
    void open(const std::string& fileName) override;
    bool isOpen() const override { return m_open; }

    // Known from the moment the file is open.
    std::int64_t length() const override;
    std::int64_t position() const override;

    void play() override;
    void pause() override;
    void resume() override;
    void stop() override;
    // Linear: 0..1000 onto 0.0..1.0.
    void setVolume(int volume) override;
    void setPlaybackRate(double rate) override;
    double playbackRate() const { return m_rate; }

    bool reachedEnd() const override;

    void queueNext(const std::string& fileName) override;
    bool takeQueuedStart() override;
    void setNoticeHandler(std::function<void()> handler) override { m_onNotice = std::move(handler); }

    // Where the diagnostic output (TILVANE_AUDIO_SINK) stands now, in ms from its first
    // sound; -1 without that output or before any sound.
    std::int64_t outputTimeMs() const;
    // When the latest fresh start of playback (an open, a seek) sounded there, likewise.
    std::int64_t lastStartSoundedMs() const;

private:
    void buildPipeline();
    void setState(int state);
    void forgetRun();
    void requireOpen() const;
    [[noreturn]] void failOpen(const std::string& reason);
    void seekTo(std::int64_t positionNs);
    void handleMessage(GstMessage* message, int generation, const std::string& movedTo);
    void notice();

    static int onBusMessage(GstBus* bus, GstMessage* message, void* self);
    static void onAboutToFinish(GstElement* playbin, void* self);

    GstElement* m_playbin = nullptr;
    GstPad* m_tempoInput = nullptr; // scaletempo's input, where every new segment gets the speed
    std::unique_ptr<AudioOutputRelay> m_relay;
    std::chrono::milliseconds m_openTimeout;
    std::string m_fileName;
    bool m_open = false;
    bool m_ended = false;
    bool m_movedOn = false;
    std::string m_error; // a failure reported while the file played
    double m_volume = 1.0;
    double m_rate = 1.0;
    std::function<void()> m_onNotice;

    // Shared with GStreamer's streaming threads.
    mutable std::mutex m_mutex;
    std::string m_queuedFile;   // waits for playbin to ask for the next file
    std::string m_handedOver;   // given to playbin, waits for its first sound
    std::string m_streamError;  // the first error of the current generation
    std::atomic<int> m_generation{0}; // messages of an earlier file are ignored
    std::atomic<double> m_segmentRate{1.0};
};

} // namespace tilvane
