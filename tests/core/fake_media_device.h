#pragma once

#include "core/base/errors.h"
#include "core/audio/media_device.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tilvane::test {

// A media device without sound. Playback moves only when the test calls advance(). Like some
// devices it reports a length of 0 until the file has played for a while; it runs on into a
// queued file at the end, and records what it was asked to do.
class FakeMediaDevice : public IMediaDevice {
public:
    // Files whose open fails with a media error.
    std::set<std::string> unplayable;
    // Playback length per file; others last kDefaultLength.
    std::map<std::string, std::int64_t> lengths;
    static constexpr std::int64_t kDefaultLength = 1000;
    // Played time after which the length becomes known.
    std::int64_t lengthKnownAfter = 400;
    // Whether the device gives its own end-of-media notice.
    bool reportsEnd = true;
    // When set, reachedEnd() throws this message, as a device failing mid-playback does.
    std::optional<std::string> playbackFailure;

    // Files that played from their beginning: opened, or run on into from the one before.
    std::vector<std::string> opened;
    std::string queued;
    std::vector<std::string> calls;
    int volume = -1;
    double rate = 1.0;

    void advance(std::int64_t milliseconds)
    {
        if (!m_playing)
            return;
        m_position = std::min(m_position + milliseconds, fileLength());
        if (m_position < fileLength())
            return;
        if (!queued.empty()) {
            m_fileName = std::exchange(queued, std::string());
            opened.push_back(m_fileName);
            m_position = 0;
            m_queuedStart = true;
        } else {
            m_playing = false;
            m_ended = true;
        }
        if (m_onNotice)
            m_onNotice();
    }
    bool playing() const { return m_playing; }

    void close() override
    {
        calls.push_back("close");
        m_open = false;
        m_playing = false;
    }
    std::string fileName() const override { return m_fileName; }
    void open(const std::string& fileName) override
    {
        calls.push_back("open");
        close();
        m_fileName = fileName;
        queued.clear();
        if (unplayable.count(fileName) != 0)
            throw TilvaneError("Cannot play the recitation file \"" + fileName + "\".");
        opened.push_back(fileName);
        m_open = true;
        m_position = 0;
        m_ended = false;
    }
    bool isOpen() const override { return m_open; }

    std::int64_t length() const override
    {
        return m_open && m_position >= lengthKnownAfter ? fileLength() : 0;
    }
    std::int64_t position() const override { return m_open ? m_position : 0; }

    void play() override { record("play"); m_playing = true; }
    void pause() override { record("pause"); m_playing = false; }
    void resume() override { record("resume"); m_playing = true; }
    void stop() override
    {
        record("stop");
        m_playing = false;
        m_position = 0;
        queued.clear();
    }
    void setVolume(int value) override { volume = value; }
    void setPlaybackRate(double value) override { rate = value; }

    bool reachedEnd() const override
    {
        if (playbackFailure)
            throw TilvaneError(*playbackFailure);
        return reportsEnd && m_ended;
    }
    void queueNext(const std::string& fileName) override { queued = fileName; }
    bool takeQueuedStart() override { return std::exchange(m_queuedStart, false); }
    void setNoticeHandler(std::function<void()> handler) override { m_onNotice = std::move(handler); }

private:
    void record(const std::string& call)
    {
        calls.push_back(call);
        if (!m_open)
            throw TilvaneError("No recitation file is open.");
    }
    std::int64_t fileLength() const
    {
        const auto found = lengths.find(m_fileName);
        return found == lengths.end() ? kDefaultLength : found->second;
    }

    std::string m_fileName;
    bool m_open = false;
    bool m_playing = false;
    bool m_ended = false;
    bool m_queuedStart = false;
    std::int64_t m_position = 0;
    std::function<void()> m_onNotice;
};

} // namespace tilvane::test
