#include "platform/linux/linux_media_probe.h"

#include <gst/gst.h>

#include <atomic>

namespace kelvaro {

namespace {

std::atomic<double> midiSynthGain{0.2}; // read on GStreamer's threads

void setGainOnSynth(GObject*, GstClockTime, GstElement* element) {
    if (!g_object_class_find_property(G_OBJECT_GET_CLASS(element), "synth-gain")) return;
    g_object_set(element, "synth-gain", midiSynthGain.load(), nullptr);
}

void initGainTracer(GTypeInstance* instance, gpointer) {
    gst_tracing_register_hook(GST_TRACER(instance), "element-new", G_CALLBACK(setGainOnSynth));
}

// A tracer of our own sees every element GStreamer makes, the Qt player's too,
// whose pipeline is otherwise out of reach.
GType gainTracerType() {
    static const GType type =
        g_type_register_static_simple(GST_TYPE_TRACER, "KelvaroMidiGainTracer", sizeof(GstTracerClass),
                                      nullptr, sizeof(GstTracer), initGainTracer, GTypeFlags{});
    return type;
}

void ensureGstreamer() {
    static const bool ready = [] {
        gst_init(nullptr, nullptr);
        return true;
    }();
    (void)ready;
}

// Every decoded stream goes to a sink of its own, so a video beside the sound
// does not stop the preroll with "not linked".
void sinkNewPad(GstElement*, GstPad* pad, gpointer pipeline) {
    GstElement* sink = gst_element_factory_make("fakesink", nullptr);
    if (!sink) return;
    gst_bin_add(GST_BIN(pipeline), sink);
    gst_element_sync_state_with_parent(sink);
    GstPad* sinkPad = gst_element_get_static_pad(sink, "sink");
    gst_pad_link(pad, sinkPad);
    gst_object_unref(sinkPad);
}

std::string errorText(GstMessage* message) {
    GError* error = nullptr;
    gst_message_parse_error(message, &error, nullptr);
    std::string text = error && error->message ? error->message : "cannot be played";
    if (error) g_error_free(error);
    return text;
}

} // namespace

std::string fileUri(const std::string& path) {
    ensureGstreamer();
    gchar* uri = gst_filename_to_uri(path.c_str(), nullptr);
    std::string text = uri ? uri : "file://" + path;
    g_free(uri);
    return text;
}

std::optional<std::string> mediaPrerollError(const std::string& uri, int timeoutMs) {
    ensureGstreamer();
    GstElement* pipeline = gst_pipeline_new("kelvaro-preroll");
    GstElement* decoder = gst_element_factory_make("uridecodebin", nullptr);
    if (!decoder) {
        gst_object_unref(pipeline);
        return std::string("the GStreamer base plugins are missing");
    }
    g_object_set(decoder, "uri", uri.c_str(), nullptr);
    gst_bin_add(GST_BIN(pipeline), decoder);
    g_signal_connect(decoder, "pad-added", G_CALLBACK(sinkNewPad), pipeline);

    std::optional<std::string> failure;
    GstBus* bus = gst_element_get_bus(pipeline);
    const bool refused = gst_element_set_state(pipeline, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE;
    // A refused state change has usually posted its reason already.
    const GstClockTime timeout = refused ? 0 : static_cast<GstClockTime>(timeoutMs) * GST_MSECOND;
    GstMessage* message = gst_bus_timed_pop_filtered(
        bus, timeout, static_cast<GstMessageType>(GST_MESSAGE_ERROR | GST_MESSAGE_ASYNC_DONE));
    if (message && GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR)
        failure = errorText(message);
    else if (refused)
        failure = "cannot be played";
    if (message) gst_message_unref(message);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(bus);
    gst_object_unref(pipeline);
    return failure;
}

void setMidiSynthGain(double gain) {
    ensureGstreamer();
    midiSynthGain = gain;
    // Made once and kept for the whole run: GStreamer holds it in its hook table.
    static const gpointer tracer = g_object_new(gainTracerType(), nullptr);
    (void)tracer;
}

bool preferCdioCdSource() {
    ensureGstreamer();
    GstPluginFeature* feature = gst_registry_lookup_feature(gst_registry_get(), "cdiocddasrc");
    if (!feature) return false;
    gst_plugin_feature_set_rank(feature, GST_RANK_PRIMARY + 100);
    gst_object_unref(feature);
    return true;
}

} // namespace kelvaro
