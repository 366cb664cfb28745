#include "platform/linux/linux_pulse_mixer.h"

#include "platform/pulse_volume.h"

#include <pulse/pulseaudio.h>

#include <QMetaObject>

#include <cstring>
#include <string>
#include <unistd.h>

namespace kelvaro {

namespace {

constexpr int kMasterLine = 0;
constexpr int kStreamLines = 3; // wave, synthesizer and CD: this program's stream

struct Level {
    int value = 65535;
    bool muted = false;
    unsigned channels = 2;
};

// A stream of this process (the media player's, the beep's).
bool ownStream(const pa_sink_input_info* info) {
    const char* pid = pa_proplist_gets(info->proplist, PA_PROP_APPLICATION_PROCESS_ID);
    return pid && std::to_string(getpid()) == pid;
}

pa_cvolume volumeOf(unsigned channels, int left, int right) {
    pa_cvolume cv;
    pa_cvolume_set(&cv, channels ? channels : 2, mixerToPulse(left));
    if (cv.channels >= 2) cv.values[1] = mixerToPulse(right);
    return cv;
}

} // namespace

struct LinuxPulseMixer::Impl {
    pa_threaded_mainloop* loop = nullptr;
    pa_context* context = nullptr;
    bool ready = false;
    // The level the program last gave its stream lines; a stream that starts later gets it.
    std::mutex streamMutex;
    bool streamSet = false;
    int streamLeft = 65535, streamRight = 65535;
    bool streamMuted = false;

    // Runs one request and waits for its answer; the loop is locked around it.
    template <class Start> void request(Start start) {
        pa_threaded_mainloop_lock(loop);
        pa_operation* op = ready ? start() : nullptr;
        if (!op) {
            const std::string why = ready ? pa_strerror(pa_context_errno(context)) : "no sound server";
            pa_threaded_mainloop_unlock(loop);
            throw MixerError("mixer: " + why);
        }
        while (pa_operation_get_state(op) == PA_OPERATION_RUNNING)
            pa_threaded_mainloop_wait(loop);
        const bool done = pa_operation_get_state(op) == PA_OPERATION_DONE;
        pa_operation_unref(op);
        pa_threaded_mainloop_unlock(loop);
        if (!done) throw MixerError("mixer: the sound server went away");
    }

    static void signal(void* loop) {
        pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
    }
    static void succeeded(pa_context*, int, void* loop) { signal(loop); }

    std::string defaultSink() {
        struct Answer {
            pa_threaded_mainloop* loop;
            std::string name;
        } answer{loop, {}};
        request([&] {
            return pa_context_get_server_info(
                context,
                [](pa_context*, const pa_server_info* info, void* data) {
                    auto* a = static_cast<Answer*>(data);
                    if (info && info->default_sink_name) a->name = info->default_sink_name;
                    signal(a->loop);
                },
                &answer);
        });
        if (answer.name.empty()) throw MixerError("mixer: no default sink");
        return answer.name;
    }

    Level sinkLevel(const std::string& sink) {
        struct Answer {
            pa_threaded_mainloop* loop;
            Level level;
            bool found = false;
        } answer{loop, {}};
        request([&] {
            return pa_context_get_sink_info_by_name(
                context, sink.c_str(),
                [](pa_context*, const pa_sink_info* info, int eol, void* data) {
                    auto* a = static_cast<Answer*>(data);
                    if (!eol && info) {
                        a->level = {pulseToMixer(info->volume.values[0]), info->mute != 0,
                                    info->volume.channels};
                        a->found = true;
                    }
                    if (eol) signal(a->loop);
                },
                &answer);
        });
        if (!answer.found) throw MixerError("mixer: no sink " + sink);
        return answer.level;
    }

    struct Stream {
        std::uint32_t index;
        Level level;
    };
    std::vector<Stream> ownStreams() {
        struct Answer {
            pa_threaded_mainloop* loop;
            std::vector<Stream> streams;
        } answer{loop, {}};
        request([&] {
            return pa_context_get_sink_input_info_list(
                context,
                [](pa_context*, const pa_sink_input_info* info, int eol, void* data) {
                    auto* a = static_cast<Answer*>(data);
                    if (!eol && info && ownStream(info))
                        a->streams.push_back(
                            {info->index,
                             {pulseToMixer(info->volume.values[0]), info->mute != 0, info->volume.channels}});
                    if (eol) signal(a->loop);
                },
                &answer);
        });
        return answer.streams;
    }

    // Called with the loop locked (from its own thread, or inside a request's lock).
    void giveStreamLevel(std::uint32_t index, unsigned channels) {
        std::lock_guard<std::mutex> guard(streamMutex);
        if (!streamSet) return;
        const pa_cvolume cv = volumeOf(channels, streamLeft, streamRight);
        if (pa_operation* op = pa_context_set_sink_input_volume(context, index, &cv, nullptr, nullptr))
            pa_operation_unref(op);
        if (pa_operation* op = pa_context_set_sink_input_mute(context, index, streamMuted, nullptr, nullptr))
            pa_operation_unref(op);
    }
};

LinuxPulseMixer::LinuxPulseMixer() : impl_(std::make_unique<Impl>()) {
    connect();
}

LinuxPulseMixer::~LinuxPulseMixer() {
    if (!impl_->loop) return;
    pa_threaded_mainloop_stop(impl_->loop);
    if (impl_->context) {
        pa_context_disconnect(impl_->context);
        pa_context_unref(impl_->context);
    }
    pa_threaded_mainloop_free(impl_->loop);
}

void LinuxPulseMixer::connect() {
    Impl& d = *impl_;
    d.loop = pa_threaded_mainloop_new();
    if (!d.loop || pa_threaded_mainloop_start(d.loop) < 0) return;
    pa_threaded_mainloop_lock(d.loop);
    d.context = pa_context_new(pa_threaded_mainloop_get_api(d.loop), "Kelvaro Clock mixer");
    if (d.context) {
        pa_context_set_state_callback(
            d.context, [](pa_context*, void* loop) { Impl::signal(loop); }, d.loop);
        if (pa_context_connect(d.context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
            for (;;) {
                const pa_context_state_t state = pa_context_get_state(d.context);
                if (state == PA_CONTEXT_READY) {
                    d.ready = true;
                    break;
                }
                if (!PA_CONTEXT_IS_GOOD(state)) break;
                pa_threaded_mainloop_wait(d.loop);
            }
        }
    }
    if (d.ready) {
        pa_context_set_subscribe_callback(
            d.context,
            [](pa_context*, pa_subscription_event_type_t type, std::uint32_t index, void* self) {
                static_cast<LinuxPulseMixer*>(self)->serverEvent(type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK,
                                                                 type & PA_SUBSCRIPTION_EVENT_TYPE_MASK,
                                                                 index);
            },
            this);
        const auto mask = static_cast<pa_subscription_mask_t>(
            PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SINK_INPUT | PA_SUBSCRIPTION_MASK_SERVER);
        if (pa_operation* op = pa_context_subscribe(d.context, mask, nullptr, nullptr))
            pa_operation_unref(op);
    }
    pa_threaded_mainloop_unlock(d.loop);
}

// On the server's thread, with the loop locked.
void LinuxPulseMixer::serverEvent(unsigned facility, unsigned type, std::uint32_t index) {
    if (facility == PA_SUBSCRIPTION_EVENT_SINK_INPUT && type == PA_SUBSCRIPTION_EVENT_NEW) {
        // A stream of ours that starts after the alarm level was set gets that level.
        pa_operation* op = pa_context_get_sink_input_info(
            impl_->context, index,
            [](pa_context*, const pa_sink_input_info* info, int eol, void* self) {
                if (!eol && info && ownStream(info))
                    static_cast<LinuxPulseMixer*>(self)->impl_->giveStreamLevel(info->index,
                                                                                info->volume.channels);
            },
            this);
        if (op) pa_operation_unref(op);
    }
    if (facility != PA_SUBSCRIPTION_EVENT_SINK && facility != PA_SUBSCRIPTION_EVENT_SINK_INPUT &&
        facility != PA_SUBSCRIPTION_EVENT_SERVER)
        return;
    ++changeEvents_;
    postChange();
}

// A burst of server events becomes one notification on the window thread.
void LinuxPulseMixer::postChange() {
    if (changePosted_.exchange(true)) return;
    QMetaObject::invokeMethod(
        &context_,
        [this] {
            changePosted_ = false;
            if (onChange) onChange();
        },
        Qt::QueuedConnection);
}

int LinuxPulseMixer::deviceCount() {
    return impl_->ready ? 1 : 0;
}

std::vector<std::string> LinuxPulseMixer::destinations() {
    if (!impl_->ready) throw MixerError("mixer: no sound server");
    return {"Speakers"};
}

std::vector<std::string> LinuxPulseMixer::connections(int destination) {
    requireLine(destination, 0);
    return {"Wave", "SW Synth", "CD Audio"};
}

void LinuxPulseMixer::requireLine(int destination, int line) const {
    if (!impl_->ready) throw MixerError("mixer: no sound server");
    if (destination != 0 || line < 0 || line > kStreamLines)
        throw MixerError("mixer: no line " + std::to_string(destination) + "/" + std::to_string(line));
}

int LinuxPulseMixer::volume(int destination, int line) {
    requireLine(destination, line);
    if (line == kMasterLine) return impl_->sinkLevel(impl_->defaultSink()).value;
    const auto streams = impl_->ownStreams();
    if (!streams.empty()) return streams.front().level.value;
    std::lock_guard<std::mutex> guard(impl_->streamMutex);
    return impl_->streamLeft; // no stream yet: the level it will get
}

bool LinuxPulseMixer::muted(int destination, int line) {
    requireLine(destination, line);
    if (line == kMasterLine) return impl_->sinkLevel(impl_->defaultSink()).muted;
    const auto streams = impl_->ownStreams();
    if (!streams.empty()) return streams.front().level.muted;
    std::lock_guard<std::mutex> guard(impl_->streamMutex);
    return impl_->streamMuted;
}

void LinuxPulseMixer::setVolume(int destination, int line, int left, int right, bool mute) {
    requireLine(destination, line);
    Impl& d = *impl_;
    if (line == kMasterLine) {
        const std::string sink = d.defaultSink();
        const pa_cvolume cv = volumeOf(d.sinkLevel(sink).channels, left, right);
        d.request([&] {
            return pa_context_set_sink_volume_by_name(d.context, sink.c_str(), &cv, Impl::succeeded, d.loop);
        });
        d.request([&] {
            return pa_context_set_sink_mute_by_name(d.context, sink.c_str(), mute, Impl::succeeded, d.loop);
        });
        return;
    }
    {
        std::lock_guard<std::mutex> guard(d.streamMutex);
        d.streamSet = true;
        d.streamLeft = left;
        d.streamRight = right;
        d.streamMuted = mute;
    }
    for (const auto& stream : d.ownStreams()) {
        const pa_cvolume cv = volumeOf(stream.level.channels, left, right);
        d.request([&] {
            return pa_context_set_sink_input_volume(d.context, stream.index, &cv, Impl::succeeded, d.loop);
        });
        d.request([&] {
            return pa_context_set_sink_input_mute(d.context, stream.index, mute, Impl::succeeded, d.loop);
        });
    }
}

} // namespace kelvaro
