#include "gui/audio/audio_output_relay.h"

#include "core/base/errors.h"

#include <gst/app/gstappsink.h>
#include <gst/app/gstappsrc.h>
#include <gst/gst.h>

#include <string>

namespace tilvane {

namespace {

// One fixed format on both sides, so the output never renegotiates between files.
constexpr const char* kRelayCaps = "audio/x-raw,format=S16LE,layout=interleaved,rate=44100,channels=2";
constexpr guint64 kRelayRate = 44100;
constexpr gsize kFrameBytes = 4;
constexpr GstClockTime kAlignment = 40 * GST_MSECOND;
constexpr GstClockTime kDiscontWait = GST_SECOND;
constexpr GstClockTime kFinishTimeout = 5 * GST_SECOND;
// Below a millisecond, a timestamp step is rounding, not silence.
constexpr GstClockTime kSilenceTolerance = GST_MSECOND;

// The buffers arrive paced by the player's clock already; a sink that waited on the clock
// again would find them late.
void renderUnsynced(GstElement* pipeline)
{
    GstIterator* sinks = gst_bin_iterate_sinks(GST_BIN(pipeline));
    GValue item = G_VALUE_INIT;
    while (gst_iterator_next(sinks, &item) == GST_ITERATOR_OK) {
        GObject* sink = G_OBJECT(g_value_get_object(&item));
        if (g_object_class_find_property(G_OBJECT_GET_CLASS(sink), "sync") != nullptr)
            g_object_set(sink, "sync", FALSE, nullptr);
        g_value_reset(&item);
    }
    g_value_unset(&item);
    gst_iterator_free(sinks);
}

} // namespace

AudioOutputRelay::AudioOutputRelay(const std::string& description)
{
    const std::string launch = std::string("appsrc name=relaysrc format=time caps=") + kRelayCaps
        + " ! audiorate skip-to-first=true tolerance=" + std::to_string(kSilenceTolerance) + " ! " + description;
    GError* error = nullptr;
    m_output = gst_parse_launch(launch.c_str(), &error);
    if (error != nullptr) {
        const std::string message = error->message;
        g_error_free(error);
        if (m_output != nullptr)
            gst_object_unref(m_output);
        throw TilvaneError("The audio output \"" + description + "\" cannot be used: " + message);
    }
    m_source = gst_bin_get_by_name(GST_BIN(m_output), "relaysrc");
    renderUnsynced(m_output);
    // Timestamps are carried from the player's pipeline, so both count on the same clock, and
    // the output's time 0 is fixed now rather than when its sink first has data.
    GstClock* clock = gst_system_clock_obtain();
    gst_pipeline_use_clock(GST_PIPELINE(m_output), clock);
    m_origin = gst_clock_get_time(clock);
    gst_object_unref(clock);
    gst_element_set_start_time(m_output, GST_CLOCK_TIME_NONE);
    gst_element_set_base_time(m_output, m_origin);

    m_appSink = gst_element_factory_make("appsink", "relaysink");
    GstCaps* caps = gst_caps_from_string(kRelayCaps);
    g_object_set(m_appSink, "caps", caps, "sync", TRUE, nullptr);
    gst_caps_unref(caps);
    gst_object_ref_sink(m_appSink);
    GstAppSinkCallbacks callbacks{};
    callbacks.new_sample = [](GstAppSink* sink, gpointer self) -> GstFlowReturn {
        static_cast<AudioOutputRelay*>(self)->forward(sink);
        return GST_FLOW_OK;
    };
    gst_app_sink_set_callbacks(GST_APP_SINK(m_appSink), &callbacks, this, nullptr);

    if (gst_element_set_state(m_output, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        gst_object_unref(m_appSink);
        gst_object_unref(m_source);
        gst_object_unref(m_output);
        throw TilvaneError("The audio output \"" + description + "\" does not start.");
    }
}

AudioOutputRelay::~AudioOutputRelay()
{
    finish();
    gst_object_unref(m_appSink);
    gst_object_unref(m_source);
    gst_object_unref(m_output);
}

// Streaming thread of the player's pipeline. Within one run of that pipeline the samples
// follow each other as a sound card would play them (audiobasesink's alignment threshold and
// discont wait): scaletempo's timestamps wander around the data, which the card ignores too. A new run
// (a file opened afresh, a seek) starts at the clock time it was rendered at, so the time the
// player took in between becomes silence.
void AudioOutputRelay::forward(GstAppSink* sink)
{
    GstSample* sample = gst_app_sink_pull_sample(sink);
    if (sample == nullptr)
        return;
    GstBuffer* buffer = gst_sample_get_buffer(sample);
    const GstSegment* segment = gst_sample_get_segment(sample);
    const gsize bytes = buffer != nullptr ? gst_buffer_get_size(buffer) : 0;
    if (bytes >= kFrameBytes && segment != nullptr && GST_BUFFER_PTS_IS_VALID(buffer)) {
        const GstClockTime running = gst_segment_to_running_time(segment, GST_FORMAT_TIME, GST_BUFFER_PTS(buffer));
        const GstClockTime runBase = gst_element_get_base_time(GST_ELEMENT(sink));
        if (GST_CLOCK_TIME_IS_VALID(running) && runBase + running >= m_origin) {
            const GstClockTime rendered = runBase + running - m_origin;
            const GstClockTime next = gst_util_uint64_scale(m_nextFrame, GST_SECOND, kRelayRate);
            const bool newRun = runBase != m_runBase;
            m_runBase = runBase;
            if (newRun)
                m_lastRunStart = static_cast<std::int64_t>(rendered);
            // Inside a run a jump counts only once it has lasted kDiscontWait, as for a sound
            // card: scaletempo stamps the first buffers of each new file late, then catches up.
            const bool ahead = rendered > next + kAlignment;
            if (!ahead)
                m_aheadSince = GST_CLOCK_TIME_NONE;
            else if (!GST_CLOCK_TIME_IS_VALID(m_aheadSince))
                m_aheadSince = rendered;
            if ((newRun && rendered > next) || (ahead && rendered - m_aheadSince >= kDiscontWait)) {
                m_nextFrame = gst_util_uint64_scale(rendered, kRelayRate, GST_SECOND);
                m_aheadSince = GST_CLOCK_TIME_NONE;
            }
            const guint64 frames = bytes / kFrameBytes;
            GstBuffer* copy = gst_buffer_copy(buffer);
            GST_BUFFER_PTS(copy) = gst_util_uint64_scale(m_nextFrame, GST_SECOND, kRelayRate);
            GST_BUFFER_DURATION(copy) = gst_util_uint64_scale(frames, GST_SECOND, kRelayRate);
            GST_BUFFER_DTS(copy) = GST_CLOCK_TIME_NONE;
            GST_BUFFER_OFFSET(copy) = GST_BUFFER_OFFSET_NONE;
            std::int64_t unset = -1;
            m_firstPts.compare_exchange_strong(unset, static_cast<std::int64_t>(GST_BUFFER_PTS(copy)));
            m_nextFrame += frames;
            gst_app_src_push_buffer(GST_APP_SRC(m_source), copy);
        }
    }
    gst_sample_unref(sample);
}

void AudioOutputRelay::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    gst_app_src_end_of_stream(GST_APP_SRC(m_source));
    GstBus* bus = gst_element_get_bus(m_output);
    GstMessage* message = gst_bus_timed_pop_filtered(
        bus, kFinishTimeout, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    if (message != nullptr)
        gst_message_unref(message);
    gst_object_unref(bus);
    gst_element_set_state(m_output, GST_STATE_NULL);
}

std::int64_t AudioOutputRelay::lastRunStartMs() const
{
    const std::int64_t first = m_firstPts.load();
    return first < 0 ? -1 : (m_lastRunStart.load() - first) / static_cast<std::int64_t>(GST_MSECOND);
}

std::int64_t AudioOutputRelay::outputTimeMs() const
{
    const std::int64_t first = m_firstPts.load();
    if (first < 0)
        return -1;
    GstClock* clock = gst_system_clock_obtain();
    const GstClockTime now = gst_clock_get_time(clock);
    gst_object_unref(clock);
    return (static_cast<std::int64_t>(now - m_origin) - first) / static_cast<std::int64_t>(GST_MSECOND);
}

} // namespace tilvane
