#include "gui/audio/gst_media_device.h"

#include "core/base/errors.h"
#include "gui/audio/audio_output_relay.h"

#include <gst/gst.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <utility>

namespace tilvane {

namespace {

// playbin's GstPlayFlags: audio only, with its own volume element.
constexpr guint kPlayFlagAudio = 1u << 1;
constexpr guint kPlayFlagSoftVolume = 1u << 4;
constexpr const char* kSinkOverride = "TILVANE_AUDIO_SINK";
// scaletempo drops the last part-stride of every file; at its default of 30 ms that shortened
// each aya at 0.75x by over 2 %. 20 ms still holds two periods of a low reciting voice.
constexpr guint kTempoStrideMs = 20;

void initGstreamer()
{
    static const std::string failure = [] {
        GError* error = nullptr;
        if (gst_init_check(nullptr, nullptr, &error))
            return std::string();
        std::string message = error != nullptr ? error->message : "unknown error";
        if (error != nullptr)
            g_error_free(error);
        return message;
    }();
    if (!failure.empty())
        throw TilvaneError("GStreamer cannot start: " + failure);
}

std::string fileUri(const std::string& fileName)
{
    gchar* uri = gst_filename_to_uri(fileName.c_str(), nullptr);
    if (uri == nullptr)
        return {};
    std::string result = uri;
    g_free(uri);
    return result;
}

// Every new segment reaching scaletempo carries the chosen speed: playbin starts the file it
// runs on into at the recorded speed, and a seek alone would change it only for the open one.
GstPadProbeReturn applySpeed(GstPad*, GstPadProbeInfo* info, gpointer rate)
{
    GstEvent* event = GST_PAD_PROBE_INFO_EVENT(info);
    if (GST_EVENT_TYPE(event) != GST_EVENT_SEGMENT)
        return GST_PAD_PROBE_OK;
    const double wanted = static_cast<std::atomic<double>*>(rate)->load();
    const GstSegment* segment = nullptr;
    gst_event_parse_segment(event, &segment);
    if (segment->format != GST_FORMAT_TIME || segment->rate == wanted)
        return GST_PAD_PROBE_OK;
    GstSegment changed;
    gst_segment_copy_into(segment, &changed);
    changed.rate = wanted;
    GstEvent* replacement = gst_event_new_segment(&changed);
    gst_event_set_seqnum(replacement, gst_event_get_seqnum(event));
    gst_event_unref(event);
    GST_PAD_PROBE_INFO_DATA(info) = replacement;
    return GST_PAD_PROBE_OK;
}

} // namespace

GstMediaDevice::GstMediaDevice(std::chrono::milliseconds openTimeout)
    : m_openTimeout(openTimeout)
{
}

GstMediaDevice::~GstMediaDevice()
{
    if (m_playbin != nullptr) {
        gst_element_set_state(m_playbin, GST_STATE_NULL);
        GstBus* bus = gst_element_get_bus(m_playbin);
        gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
        gst_object_unref(bus);
        gst_object_unref(m_playbin);
        gst_object_unref(m_tempoInput);
    }
    // After the player's pipeline: nothing more arrives while the output is finished.
    m_relay.reset();
}

void GstMediaDevice::buildPipeline()
{
    if (m_playbin != nullptr)
        return;
    initGstreamer();
    const char* override = std::getenv(kSinkOverride);
    if (override != nullptr && *override != '\0')
        m_relay = std::make_unique<AudioOutputRelay>(override);

    GstElement* playbin = gst_element_factory_make("playbin", nullptr);
    GstElement* tempo = gst_element_factory_make("scaletempo", nullptr);
    GstElement* sink = m_relay ? m_relay->playerSink() : gst_element_factory_make("autoaudiosink", nullptr);
    if (playbin == nullptr || tempo == nullptr || sink == nullptr) {
        for (GstElement* element : {playbin, tempo})
            if (element != nullptr)
                gst_object_unref(gst_object_ref_sink(element));
        if (sink != nullptr && !m_relay)
            gst_object_unref(gst_object_ref_sink(sink));
        m_relay.reset();
        throw TilvaneError("GStreamer's playbin, scaletempo or audio output is missing "
                           "(gstreamer1.0-plugins-base and gstreamer1.0-plugins-good).");
    }
    g_object_set(tempo, "stride", kTempoStrideMs, nullptr);
    m_tempoInput = gst_element_get_static_pad(tempo, "sink");
    gst_pad_add_probe(m_tempoInput, GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM, applySpeed, &m_segmentRate, nullptr);
    g_object_set(playbin, "flags", kPlayFlagAudio | kPlayFlagSoftVolume, "audio-filter", tempo, "audio-sink", sink,
                 "volume", m_volume, nullptr);
    if (m_relay) {
        GstClock* clock = gst_system_clock_obtain();
        gst_pipeline_use_clock(GST_PIPELINE(playbin), clock);
        gst_object_unref(clock);
    }
    g_signal_connect(playbin, "about-to-finish", G_CALLBACK(onAboutToFinish), this);
    GstBus* bus = gst_element_get_bus(playbin);
    gst_bus_set_sync_handler(bus, reinterpret_cast<GstBusSyncHandler>(onBusMessage), this, nullptr);
    gst_object_unref(bus);
    m_playbin = GST_ELEMENT(gst_object_ref_sink(playbin));
}

void GstMediaDevice::setState(int state)
{
    gst_element_set_state(m_playbin, static_cast<GstState>(state));
}

void GstMediaDevice::close()
{
    m_open = false;
    // Down to NULL: after an error playbin prerolls the next file only from there.
    if (m_playbin != nullptr)
        setState(GST_STATE_NULL);
    forgetRun();
}

// What the pipeline said or was handed since its last fresh start belongs to that run: its
// messages still on their way are ignored.
void GstMediaDevice::forgetRun()
{
    ++m_generation;
    m_ended = false;
    m_movedOn = false;
    std::lock_guard lock(m_mutex);
    m_queuedFile.clear();
    m_handedOver.clear();
    m_streamError.clear();
}

void GstMediaDevice::open(const std::string& fileName)
{
    close();
    m_fileName = fileName;
    m_error.clear();
    try {
        buildPipeline();
    } catch (const TilvaneError& error) {
        failOpen(error.what());
    }
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(fileName, ignored))
        failOpen("there is no such file");
    const std::string uri = fileUri(fileName);
    if (uri.empty())
        failOpen("its name cannot be made into a URI");
    g_object_set(m_playbin, "uri", uri.c_str(), nullptr);
    m_segmentRate = m_rate;

    GstStateChangeReturn result = gst_element_set_state(m_playbin, GST_STATE_PAUSED);
    if (result == GST_STATE_CHANGE_ASYNC) {
        const auto timeout = std::chrono::duration_cast<std::chrono::nanoseconds>(m_openTimeout);
        result = gst_element_get_state(m_playbin, nullptr, nullptr, static_cast<GstClockTime>(timeout.count()));
    }
    if (result == GST_STATE_CHANGE_FAILURE) {
        std::string reason;
        {
            std::lock_guard lock(m_mutex);
            reason = m_streamError;
        }
        failOpen(reason.empty() ? "not a playable media file" : reason);
    }
    if (result == GST_STATE_CHANGE_ASYNC)
        failOpen("it did not load within " + std::to_string(m_openTimeout.count()) + " ms");
    m_open = true;
}

void GstMediaDevice::failOpen(const std::string& reason)
{
    close();
    throw TilvaneError("Cannot play the recitation file \"" + m_fileName + "\": " + reason);
}

void GstMediaDevice::requireOpen() const
{
    if (!m_open)
        throw TilvaneError("No recitation file is open.");
}

std::int64_t GstMediaDevice::length() const
{
    if (!m_open)
        return 0;
    // Some sinks answer only once playing; the decoder's side knows the length after preroll.
    gint64 duration = 0;
    if ((!gst_element_query_duration(m_playbin, GST_FORMAT_TIME, &duration) || duration <= 0)
        && (!gst_pad_peer_query_duration(m_tempoInput, GST_FORMAT_TIME, &duration) || duration <= 0))
        return 0;
    return duration / GST_MSECOND;
}

std::int64_t GstMediaDevice::position() const
{
    if (!m_open)
        return 0;
    if (m_ended)
        return length();
    gint64 position = 0;
    if (!gst_element_query_position(m_playbin, GST_FORMAT_TIME, &position) || position < 0)
        return 0;
    return position / GST_MSECOND;
}

void GstMediaDevice::play()
{
    requireOpen();
    setState(GST_STATE_PLAYING);
}

void GstMediaDevice::pause()
{
    requireOpen();
    setState(GST_STATE_PAUSED);
}

void GstMediaDevice::resume()
{
    requireOpen();
    setState(GST_STATE_PLAYING);
}

// The file the device names now is loaded afresh: after a run into the queued file playbin's
// own idea of its file is the next one already.
void GstMediaDevice::stop()
{
    requireOpen();
    setState(GST_STATE_READY);
    forgetRun();
    g_object_set(m_playbin, "uri", fileUri(m_fileName).c_str(), nullptr);
    m_segmentRate = m_rate;
    setState(GST_STATE_PAUSED);
}

void GstMediaDevice::setVolume(int volume)
{
    m_volume = static_cast<double>(std::clamp(volume, 0, 1000)) / 1000.0;
    if (m_playbin != nullptr)
        g_object_set(m_playbin, "volume", m_volume, nullptr);
}

void GstMediaDevice::setPlaybackRate(double rate)
{
    m_rate = rate;
    m_segmentRate = rate;
    if (!m_open || m_ended)
        return;
    gint64 position = 0;
    if (!gst_element_query_position(m_playbin, GST_FORMAT_TIME, &position) || position < 0)
        position = 0;
    seekTo(position);
}

void GstMediaDevice::seekTo(std::int64_t positionNs)
{
    gst_element_seek(m_playbin, m_rate, GST_FORMAT_TIME,
                     static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE), GST_SEEK_TYPE_SET,
                     positionNs, GST_SEEK_TYPE_NONE, GST_CLOCK_TIME_NONE);
}

bool GstMediaDevice::reachedEnd() const
{
    if (!m_open)
        return false;
    if (!m_error.empty())
        throw TilvaneError("Playing the recitation file \"" + m_fileName + "\" failed: " + m_error);
    return m_ended;
}

void GstMediaDevice::queueNext(const std::string& fileName)
{
    std::lock_guard lock(m_mutex);
    m_queuedFile = fileName;
}

bool GstMediaDevice::takeQueuedStart()
{
    return std::exchange(m_movedOn, false);
}

std::int64_t GstMediaDevice::lastStartSoundedMs() const
{
    return m_relay ? m_relay->lastRunStartMs() : -1;
}

std::int64_t GstMediaDevice::outputTimeMs() const
{
    return m_relay ? m_relay->outputTimeMs() : -1;
}

// A streaming thread, close to the end of the file's data: the last moment to hand playbin
// the next file so that it plays on without a gap.
void GstMediaDevice::onAboutToFinish(GstElement* playbin, void* self)
{
    auto* device = static_cast<GstMediaDevice*>(self);
    std::lock_guard lock(device->m_mutex);
    if (device->m_queuedFile.empty())
        return;
    const std::string uri = fileUri(device->m_queuedFile);
    if (uri.empty())
        return;
    g_object_set(playbin, "uri", uri.c_str(), nullptr);
    device->m_handedOver = std::exchange(device->m_queuedFile, std::string());
}

// Any thread. Only what the device acts on goes on to the GUI thread.
int GstMediaDevice::onBusMessage(GstBus*, GstMessage* message, void* self)
{
    auto* device = static_cast<GstMediaDevice*>(self);
    std::string movedTo;
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_ERROR: {
        GError* error = nullptr;
        gst_message_parse_error(message, &error, nullptr);
        std::lock_guard lock(device->m_mutex);
        if (device->m_streamError.empty())
            device->m_streamError = error != nullptr ? error->message : "unknown media error";
        if (error != nullptr)
            g_error_free(error);
        break;
    }
    case GST_MESSAGE_STREAM_START: {
        // The first sound of the file handed over comes after everything of the one before.
        std::lock_guard lock(device->m_mutex);
        movedTo = std::exchange(device->m_handedOver, std::string());
        if (movedTo.empty())
            return GST_BUS_DROP;
        break;
    }
    case GST_MESSAGE_EOS:
        break;
    default:
        return GST_BUS_DROP;
    }
    const int generation = device->m_generation.load();
    std::shared_ptr<GstMessage> held(gst_message_ref(message), gst_message_unref);
    QMetaObject::invokeMethod(
        device, [device, held, generation, movedTo] { device->handleMessage(held.get(), generation, movedTo); },
        Qt::QueuedConnection);
    return GST_BUS_DROP;
}

void GstMediaDevice::handleMessage(GstMessage* message, int generation, const std::string& movedTo)
{
    if (generation != m_generation.load() || !m_open)
        return;
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_EOS:
        m_ended = true;
        break;
    case GST_MESSAGE_ERROR: {
        std::lock_guard lock(m_mutex);
        m_error = m_streamError.empty() ? "unknown media error" : m_streamError;
        break;
    }
    case GST_MESSAGE_STREAM_START:
        m_fileName = movedTo;
        m_movedOn = true;
        break;
    default:
        return;
    }
    if (m_onNotice)
        m_onNotice();
}

} // namespace tilvane
