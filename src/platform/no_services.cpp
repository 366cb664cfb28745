#include "platform/no_services.h"

#include "framework/translatable.h"

#include <ctime>
#include <stdexcept>

namespace kelvaro {

namespace {

class NoClock : public Clock {
  public:
    double now() const override {
        // Days since 1899-12-30 in UTC; only a program built without a clock reads it.
        return 25569.0 + static_cast<double>(std::time(nullptr)) / 86400.0;
    }
    int utcOffsetMinutes() const override { return 0; }
};

// Knows no zone: every city keeps its typed hour difference.
class NoZones : public ZoneDatabase {
  public:
    bool knows(const std::string&) const override { return false; }
    std::optional<ZoneState> stateAt(const std::string&, std::int64_t) const override { return std::nullopt; }
    std::vector<ZoneName> names() const override { return {}; }
};

class NoDialogs : public Dialogs {
  public:
    Answer messageBox(BoxKind, const std::string&, const std::string&,
                      const std::vector<Answer>& buttons) override {
        return buttons.empty() ? Answer::OK : buttons.back(); // the last button is the safe one
    }
    std::optional<std::string> chooseFile(const FileRequest&) override { return std::nullopt; }
    std::optional<FontChoice> chooseFont(const FontChoice&,
                                         const std::function<void(const FontChoice&)>&) override {
        return std::nullopt;
    }
};

class NoSpeaker : public Speaker {
  public:
    void tone(int, int) override {}
    void ding() override {}
};

class NoShell : public Shell {
  public:
    bool open(const std::string&) override { return false; }
    bool startProgram(const std::string&, const std::vector<std::string>&) override { return false; }
    bool isExecutable(const std::string&) const override { return false; }
};

class NoAutostart : public Autostart {
  public:
    void writeEntry(const std::string&, const std::string&, const std::vector<std::string>&) override {}
    void removeEntry(const std::string&) override {}
    bool hasEntry(const std::string&) const override { return false; }
};

// No notification service: nothing is shown, no button is ever pressed.
class NoNotifier : public Notifier {
  public:
    std::uint32_t show(const std::string&, const std::string&,
                       const std::vector<NotificationAction>&) override {
        return 0;
    }
    void close(std::uint32_t) override {}
    void onAction(ActionHandler) override {}
};

class NoMediaPlayer : public MediaPlayer {
  public:
    void setDeviceType(DeviceType type) override { type_ = type; }
    DeviceType deviceType() const override { return type_; }
    void setTimeFormatTmsf() override {}
    void setFileName(const std::string& name) override { file_ = name; }
    std::string fileName() const override { return file_; }
    void open() override { throw MediaError("no media device"); }
    void play(bool) override { throw MediaError("no media device"); }
    void pause() override {}
    void stop() override {}
    void close() override {}
    void setNotify(bool) override {}
    void setStartPosition(int) override {}
    void setEndPosition(int) override {}
    int startPosition() const override { return 0; }
    int endPosition() const override { return 0; }
    int trackCount() override { throw MediaError("no media device"); }
    int trackPosition(int) override { throw MediaError("no media device"); }
    int currentTrack() override { return 0; }
    bool mediaPresent() override { return false; }
    PlayerMode mode() const override { return PlayerMode::NotReady; }
    long long playedMs() override { return 0; }

  private:
    DeviceType type_ = DeviceType::Automatic;
    std::string file_;
};

// No network: every connection and look-up fails at once, and nothing is fetched.
class NoTimeClient : public TimeClient {
  public:
    void connect(const std::string&, int, int, TimeClientEvents) override {
        throw std::runtime_error("no network");
    }
    void abort() override {}
    double elapsedSeconds() const override { return 0; }
};

class NoClockSetter : public ClockSetter {
  public:
    bool setUtc(double, bool) override { return false; }
    std::string refusal() const override { return KV_TR("No clock service is available."); }
    bool ntpSynchronized() override { return false; }
};

class NoHostLookup : public HostLookup {
  public:
    void lookup(const std::string&, std::function<void(bool)> done) override { done(false); }
};

class NoHttpClient : public HttpClient {
  public:
    void get(const std::string&, const std::string&, std::uint64_t,
             std::function<void(const HttpResult&)> done) override {
        HttpResult none;
        none.error = "no network";
        done(none);
    }
};

// No mixer device: discovery finds none and the slider never works.
class NoMixer : public Mixer {
  public:
    int deviceCount() override { return 0; }
    std::vector<std::string> destinations() override { throw MixerError("no mixer device"); }
    std::vector<std::string> connections(int) override { throw MixerError("no mixer device"); }
    int volume(int, int) override { throw MixerError("no mixer device"); }
    bool muted(int, int) override { throw MixerError("no mixer device"); }
    void setVolume(int, int, int, int, bool) override { throw MixerError("no mixer device"); }
};

// No power service: always on mains, nothing is held, the display cannot be asked.
class NoPowerStatus : public PowerStatus {
  public:
    Reading read() override { return {}; }
};

class NoPowerInhibitor : public PowerInhibitor {
  public:
    void holdSleep(bool) override {}
    void holdShutdown(bool) override {}
    void holdIdle(bool) override {}
    bool setMonitor(MonitorPower) override { return false; }
    void suspend() override {}
};

// No session asks, so nothing is ever queued.
class NoSessionEnd : public SessionEnd {
  public:
    void later(std::function<void()>) override {}
};

// A desktop without a tray: the window minimises with its taskbar button.
class NoTrayIcon : public TrayIcon {
  public:
    bool available() const override { return false; }
    void show() override {}
    void hide() override {}
    void setTip(const std::string&) override {}
    void popUpMenu(const std::string&, const std::string&, int, int) override {}
    ScreenSize screenSize() const override { return {1024, 768}; }
};

// Cannot wake the computer, and never hears of its sleep.
class NoWakeTimer : public WakeTimer {
  public:
    WakeMethod method() override { return WakeMethod::None; }
    bool arm(std::int64_t) override { return false; }
    void disarm() override {}
    void sleepReady() override {}
};

} // namespace

const char* wakeMethodName(WakeMethod method) {
    switch (method) {
    case WakeMethod::KernelAlarm:
        return KV_TR("kernel alarm timer");
    case WakeMethod::WakeHelper:
        return KV_TR("wake helper");
    case WakeMethod::SystemTimer:
        return KV_TR("system timer");
    case WakeMethod::None:
        break;
    }
    return "none";
}

Mixer& noMixer() {
    static NoMixer mixer;
    return mixer;
}

MediaPlayer& noMediaPlayer() {
    static NoMediaPlayer player;
    return player;
}

WindowHost& noWindowHost() {
    static WindowHost host; // every operation of the base does nothing
    return host;
}

Platform withDefaultServices(Platform p) {
    static NoClock clock;
    static NoDialogs dialogs;
    static NoSpeaker speaker;
    static NoShell shell;
    static NoAutostart autostart;
    static NoZones zones;
    if (!p.clock) p.clock = &clock;
    if (!p.dialogs) p.dialogs = &dialogs;
    if (!p.speaker) p.speaker = &speaker;
    if (!p.shell) p.shell = &shell;
    if (!p.autostart) p.autostart = &autostart;
    if (!p.host) p.host = &noWindowHost();
    if (!p.player) p.player = &noMediaPlayer();
    static NoTimeClient timeClient;
    static NoClockSetter clockSetter;
    static NoHostLookup lookup;
    static NoHttpClient http;
    if (!p.timeClient) p.timeClient = &timeClient;
    if (!p.clockSetter) p.clockSetter = &clockSetter;
    if (!p.lookup) p.lookup = &lookup;
    if (!p.http) p.http = &http;
    if (!p.mixer) p.mixer = &noMixer();
    if (!p.zones) p.zones = &zones;
    static NoPowerStatus power;
    static NoPowerInhibitor inhibitor;
    static NoSessionEnd sessionEnd;
    if (!p.power) p.power = &power;
    if (!p.inhibitor) p.inhibitor = &inhibitor;
    if (!p.sessionEnd) p.sessionEnd = &sessionEnd;
    static NoNotifier notifier;
    if (!p.notifier) p.notifier = &notifier;
    static NoTrayIcon tray;
    if (!p.tray) p.tray = &tray;
    static NoWakeTimer wake;
    if (!p.wake) p.wake = &wake;
    return p;
}

} // namespace kelvaro
