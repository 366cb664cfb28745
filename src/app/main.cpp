// Program entry: one instance per user, the windows, the tick, and a clean
// close on SIGTERM so the settings are saved.
#include "app/command_line.h"
#include "app/program.h"
#include "app/remote_client.h"
#include "app/remote_control.h"
#include "app/second_timer.h"
#include "app/steps.h"
#include "night/night_screen_view.h"
#include "platform/linux/linux_autostart.h"
#include "platform/linux/linux_clock.h"
#include "platform/linux/linux_clock_setter.h"
#include "platform/linux/linux_host_lookup.h"
#include "platform/linux/linux_http_client.h"
#include "platform/linux/linux_instance_guard.h"
#include "platform/linux/linux_media_env.h"
#include "platform/linux/linux_media_player.h"
#include "platform/linux/linux_notifier.h"
#include "platform/linux/linux_paths.h"
#include "platform/linux/linux_power_inhibitor.h"
#include "platform/linux/linux_power_status.h"
#include "platform/linux/linux_pulse_mixer.h"
#include "platform/linux/linux_quit_signals.h"
#include "platform/linux/linux_session_end.h"
#include "platform/linux/linux_shell.h"
#include "platform/linux/linux_speaker.h"
#include "platform/linux/linux_time_client.h"
#include "platform/linux/linux_wake_timer.h"
#include "platform/linux/linux_zone_database.h"
#include "platform/linux/system_locale.h"
#include "platform/linux/translation.h"
#include "settings/language_choice.h"
#include "settings/profile_file.h"
#include "settings/settings_store.h"
#include "sound/default_sounds.h"
#include "tray/linux_tray_icon.h"
#include "ui/feature_widgets.h"
#include "ui/program_view.h"
#include "ui/qt_dialogs.h"
#include "ui/screen_reader_announcer.h"
#include "wayland/window_activation.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>

using namespace kelvaro;

namespace {

// Start-up timing for the benchmark script: KELVARO_REPORT_STARTUP=1 prints the
// milliseconds from process start to the end of the first paint.
void reportStartup() {
    if (!std::getenv("KELVARO_REPORT_STARTUP")) return;
    FILE* stat = std::fopen("/proc/self/stat", "r");
    if (!stat) return;
    unsigned long long startTicks = 0;
    char buf[4096];
    const size_t n = std::fread(buf, 1, sizeof buf - 1, stat);
    std::fclose(stat);
    buf[n] = 0;
    const char* p = std::strrchr(buf, ')');
    for (int field = 2; p && field < 22; ++field)
        p = std::strchr(p + 1, ' ');
    if (p) startTicks = std::strtoull(p + 1, nullptr, 10);
    FILE* up = std::fopen("/proc/uptime", "r");
    double uptime = 0;
    if (up) {
        if (std::fscanf(up, "%lf", &uptime) != 1) uptime = 0;
        std::fclose(up);
    }
    const double started = static_cast<double>(startTicks) / static_cast<double>(sysconf(_SC_CLK_TCK));
    std::fprintf(stderr, "kelvaro: first paint done %.0f ms after process start\n",
                 (uptime - started) * 1000.0);
}

} // namespace

int main(int argc, char** argv) {
    // --help, --version and a refused line answer before Qt needs a display, in the desktop's language.
    useLanguage("");
    const CommandLine commandLine = parseCommandLine(argc, argv);
    if (const int exitCode = answerCommandLine(commandLine); exitCode >= 0) return exitCode;
    if (commandLine.action == CommandLine::Action::Remote) return runRemoteRequest(commandLine, argc, argv);
    preferGStreamerBackend();
    const QString activationToken = launchActivationToken(); // before Qt takes it
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvaro Clock"));
    // The Wayland app id (and the X11 class hint's match): the shell finds the icon, the name and
    // the dock entry through the desktop file of this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kelvaro.Clock"));
    QApplication::setQuitOnLastWindowClosed(false);

    const std::string programDir = resolveProgramDir(argc, argv);
    // The language the settings name; read ahead of them, since every window shows in it.
    useLanguage(languageCode(ProfileFile(programDir + kSettingsFile).readString("Data", kLanguageKey, "")));
    const std::vector<std::string> arguments = programArguments(argc, argv);
    const std::string handover = handoverFilePath();

    InstanceGuard guard;
    const InstanceCheck instance = guard.check();
    if (instance == InstanceCheck::Unverifiable) {
        // Better two clocks than none: a stranger's file must not stop this user's alarm.
        std::fprintf(stderr, "kelvaro: cannot check for a running instance (%s); starting anyway\n",
                     guard.problem().toLocal8Bit().constData());
    } else if (instance == InstanceCheck::AnotherRuns) {
        // Another instance runs: ask it to come to the front, then leave.
        const std::string token = ProfileFile(handover).readString("app", "apphdl", "");
        if (!token.empty())
            InstanceGuard::askFirstToRaise(QString::fromStdString(token), 1000, activationToken);
        return 0;
    }

    LinuxClock clock;
    QtDialogs dialogs;
    LinuxSpeaker speaker;
    LinuxShell shell;
    XdgAutostart autostart;
    LinuxMediaPlayer player;
    LinuxTimeClient timeClient;
    TimedatedClockSetter clockSetter;
    LinuxHostLookup lookup;
    LinuxHttpClient http;
    LinuxPulseMixer mixer; // no sound server: no mixer device
    LinuxZoneDatabase zones;
    DBusNotifier notifier;
    LinuxTrayIcon tray;
    Platform platform;
    platform.clock = &clock;
    platform.dialogs = &dialogs;
    platform.speaker = &speaker;
    platform.shell = &shell;
    platform.autostart = &autostart;
    platform.player = &player;
    // KELVARO_NO_NETWORK=1 (tests of the whole program): no look-up, connection or
    // clock setting leaves the program; the do-nothing services answer "offline".
    if (!std::getenv("KELVARO_NO_NETWORK")) {
        platform.timeClient = &timeClient;
        platform.clockSetter = &clockSetter;
        platform.lookup = &lookup;
        platform.http = &http;
    }
    platform.mixer = &mixer;
    platform.zones = &zones;
    UPowerStatus power; // no UPower (no system bus): mains
    LogindInhibitor inhibitor;
    LinuxSessionEnd sessionEnd;
    platform.power = &power;
    platform.inhibitor = &inhibitor;
    platform.sessionEnd = &sessionEnd;
    platform.notifier = &notifier;
    platform.tray = &tray;
    platform.handoverFile = handover;
    platform.programFile = executablePath();
    platform.instanceToken = guard.serverName().toStdString();
    const std::string exe = executablePath();
    const std::string exeDir = exe.substr(0, exe.find_last_of('/'));
    platform.soundsDir = findDefaultSoundsDir(exeDir);
    // The wake helper: installed under libexec, built beside the program.
    QString helper = QString::fromStdString(exeDir + "/../libexec/kelvaro/kelvaro-wake-helper");
    if (!QFileInfo::exists(helper)) helper = QString::fromStdString(exeDir + "/kelvaro-wake-helper");
    LinuxWakeTimer wake(helper);
    platform.wake = &wake;

    auto app = createProgram(platform, languageLocaleInfo(), programDir, arguments);
    ProgramView view(*app); // the windows; it becomes the program's window host
    registerFeatureWidgets(view);
    NightScreenView nightScreenView(*app, view);
    inhibitor.holdIdleOnSurface([&nightScreenView](bool hold) { nightScreenView.holdIdle(hold); });
    ScreenReaderAnnouncer announcer(*app, view);
    tray.wire({[&view](const std::string& name) { return view.menu(name); },
               [&view](const std::string& name) { return view.action(name); },
               [&view](const std::function<void()>& action) { view.user(action); }});

    // A second start: the window comes back as the tray brings it back, through the model.
    guard.listen([&] {
        useActivationToken(guard.takeActivationToken());
        app->guarded([&] { runStep(*app, Step::ShowMainWindow); });
        view.refresh();
    });
    // `kelvaro --status` and the like, through the same handlers as the window. The answer
    // goes out before any box the request brings shows.
    guard.onRequest(
        [&](const std::string& text) {
            RemoteAnswer answer{RemoteOutcome::NotDone, "not understood: " + text};
            if (!app->main.SettingsLoaded)
                answer.text = "starting";
            else if (const auto request = parseRemoteRequest(text))
                app->guarded([&] { answer = answerRemoteRequest(*app, *request); });
            view.refresh();
            answer.text = translatedText(answer.text);
            return encodeRemoteAnswer(answer);
        },
        [&] {
            finishRemoteRequest(*app);
            view.refresh();
        });
    QuitSignals quitSignals([&](int) {
        dialogs.answerOnStandardError(); // a signal never waits on a box
        closeMainWindow(*app);
    });

    SecondTimer ticker([&] {
        mainTick(*app);
        view.refresh();
    });
    QTimer::singleShot(0, [&] {
        firstPaint(*app);
        // The tick shows the main window; waiting for the next whole second
        // would keep the screen empty for half a second on average.
        mainTick(*app);
        view.refresh();
        reportStartup();
        ticker.start();
    });
    const int code = QApplication::exec();
    ticker.stop();
    return code;
}
