#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tilvane {

// The device that plays one recitation file at a time. Times are in milliseconds.
class IMediaDevice {
public:
    virtual ~IMediaDevice() = default;

    // Releases the open file, if any; the file name stays as it was.
    virtual void close() = 0;
    // The file last given to open, whether or not it opened.
    virtual std::string fileName() const = 0;
    // Closes the current file and opens fileName, ready to play from its beginning.
    // Throws TilvaneError naming the file when it cannot be played.
    virtual void open(const std::string& fileName) = 0;
    virtual bool isOpen() const = 0;

    // 0 while the length is not known yet: some devices learn it only once playback runs.
    virtual std::int64_t length() const = 0;
    virtual std::int64_t position() const = 0;

    // These need an open file; without one they throw TilvaneError.
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    // Halts playback and rewinds to the beginning.
    virtual void stop() = 0;

    // 0 is silence, 1000 the normal level.
    virtual void setVolume(int volume) = 0;
    // 1.0 is the recorded speed; applies to the open file at once and to files opened later.
    virtual void setPlaybackRate(double rate) = 0;

    // The device's own notice that playback ran to the end of the file. A failure during
    // playback is thrown from here as TilvaneError, since this is where the player looks.
    virtual bool reachedEnd() const = 0;

    // The file to play on into, with no silence, when the open one ends; "" for none. Each
    // call replaces the last; open and stop drop it.
    virtual void queueNext(const std::string& fileName) = 0;
    // True once each time playback ran on into the queued file; fileName(), length() and
    // position() then describe that file.
    virtual bool takeQueuedStart() = 0;
    // Called on the GUI thread as soon as playback ran on into the queued file, reached the
    // end or failed, so that the player follows the audio without waiting for its timer.
    virtual void setNoticeHandler(std::function<void()> handler) = 0;
};

} // namespace tilvane
