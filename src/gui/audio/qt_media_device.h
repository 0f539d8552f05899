#pragma once

#include "core/audio/media_device.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QString>

#include <chrono>
#include <memory>

namespace tilvane {

// The recitation device on Qt Multimedia (GStreamer). Opening waits until the file is
// loaded or refused, so the player can act on the result at once.
class QtMediaDevice : public IMediaDevice {
public:
    static constexpr std::chrono::milliseconds kDefaultOpenTimeout{5000};

    explicit QtMediaDevice(std::chrono::milliseconds openTimeout = kDefaultOpenTimeout);
    ~QtMediaDevice() override;

    void close() override;
    std::string fileName() const override { return m_fileName; }
    // Keeps processing events other than user input while the file loads, at most the
    // open timeout; the user cannot start another command meanwhile.
    void open(const std::string& fileName) override;
    bool isOpen() const override { return m_open; }

    // Measured with Qt 6.4 and GStreamer: a constant-bitrate MP3 reports 0 when loaded and
    // its length only some 200 ms (a 1 s file) to 400 ms (a 6 s file) after playback starts.
    std::int64_t length() const override;
    std::int64_t position() const override;

    void play() override;
    void pause() override;
    void resume() override;
    void stop() override;
    // Linear: 0..1000 onto 0.0..1.0.
    void setVolume(int volume) override;
    // Qt 6.4's GStreamer back end changes the rate with a rate seek and inserts no
    // scaletempo element, so the pitch moves with the speed.
    void setPlaybackRate(double rate) override;
    double playbackRate() const { return m_rate; }

    bool reachedEnd() const override;

private:
    bool loadSettled() const;
    [[noreturn]] void failOpen(const QString& reason);
    void requireOpen() const;

    std::unique_ptr<QAudioOutput> m_output;
    float m_volume = 1.0f;
    double m_rate = 1.0;
    // A fresh player per file: after a refused file, GStreamer may still report errors of
    // the old pipeline, which must not fail the next file.
    std::unique_ptr<QMediaPlayer> m_player;
    std::chrono::milliseconds m_openTimeout;
    std::string m_fileName;
    QString m_error; // the device's last error since the file was opened
    bool m_open = false;
};

} // namespace tilvane
