// The system-timer tier of the wake-up, against a mocked systemd manager on a private
// system bus, with the whole program choosing the tier: the transient timer asked for
// is one minute before the alarm in UTC and wakes the system, it is stopped when the
// alarm is switched off, and a refusal by the system leaves the next tier in force.
// Qt connects to the system bus once a process: CTest runs each test in its own.
#include "../profile_file/temp_folder.h"
#include "private_buses.h"
#include "qt_test_support.h"

#include "app/program.h"
#include "framework/application.h"
#include "framework/datetime.h"
#include "platform/fake/fake_platform.h"
#include "platform/linux/linux_wake_timer.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace kelvaro;

namespace {

const QString kSystemd = QStringLiteral("org.freedesktop.systemd1");
const QString kSystemdPath = QStringLiteral("/org/freedesktop/systemd1");

// Root may set the kernel's alarm timer, which would win over the system timer: while this
// lives, CAP_WAKE_ALARM leaves the effective set (it stays permitted and comes back after).
class NoKernelAlarm {
  public:
    NoKernelAlarm() {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        if (::syscall(SYS_capget, &header, saved_) != 0) return;
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        lowered[CAP_TO_INDEX(CAP_WAKE_ALARM)].effective &= ~CAP_TO_MASK(CAP_WAKE_ALARM);
        active_ = ::syscall(SYS_capset, &header, lowered) == 0;
    }
    ~NoKernelAlarm() {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        if (active_) ::syscall(SYS_capset, &header, saved_);
    }
    NoKernelAlarm(const NoKernelAlarm&) = delete;
    NoKernelAlarm& operator=(const NoKernelAlarm&) = delete;

  private:
    __user_cap_data_struct saved_[2]{};
    bool active_ = false;
};

// A bare mocked systemd manager whose calls are written, one line each, to a file.
class MockSystemd {
  public:
    MockSystemd() : address_("DBUS_SYSTEM_BUS_ADDRESS", std::nullopt) {
        if (!buses_.skipReason().empty()) {
            why_ = buses_.skipReason();
            return;
        }
        setenv("DBUS_SYSTEM_BUS_ADDRESS", buses_.systemAddress().toUtf8().constData(), 1);
        if (!buses_.mock(kSystemd, {QStringLiteral("--system"), kSystemd, kSystemdPath,
                                    QStringLiteral("org.freedesktop.systemd1.Manager")}))
            why_ = "the mocked systemd manager did not start";
    }
    const std::string& skipReason() const { return why_; }

    // StartTransientUnit logs its unit, mode, properties (name=type:value) and auxiliary units.
    void acceptTransientUnits() {
        addMethod(QStringLiteral("StartTransientUnit"), QStringLiteral("ssa(sv)a(sa(sv))"),
                  QStringLiteral("open('%1', 'a').write(' '.join(['StartTransientUnit', args[0], args[1]] + "
                                 "['%s=%s:%s' % (k, type(v).__name__, v) for k, v in args[2]] + "
                                 "[u[0] for u in args[3]]) + '\\n'); ret = '/org/freedesktop/systemd1/job/1'")
                      .arg(log()));
        addMethod(QStringLiteral("StopUnit"), QStringLiteral("ss"),
                  QStringLiteral("open('%1', 'a').write('StopUnit %s %s\\n' % (args[0], args[1])); "
                                 "ret = '/org/freedesktop/systemd1/job/2'")
                      .arg(log()));
    }
    // As polkit refuses a user who may not set wake-up timers.
    void refuseTransientUnits() {
        addMethod(QStringLiteral("StartTransientUnit"), QStringLiteral("ssa(sv)a(sa(sv))"),
                  QStringLiteral("raise dbus.exceptions.DBusException('Access denied', "
                                 "name='org.freedesktop.DBus.Error.AccessDenied')"));
        addMethod(QStringLiteral("StopUnit"), QStringLiteral("ss"),
                  QStringLiteral("open('%1', 'a').write('StopUnit %s %s\\n' % (args[0], args[1])); "
                                 "ret = '/org/freedesktop/systemd1/job/2'")
                      .arg(log()));
    }
    QStringList calls() const {
        QFile file(log());
        if (!file.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

  private:
    QString log() const { return dir_.filePath(QStringLiteral("calls.log")); }
    void addMethod(const QString& name, const QString& in, const QString& code) {
        buses_.send({QStringLiteral("--dest=") + kSystemd, kSystemdPath,
                     QStringLiteral("org.freedesktop.DBus.Mock.AddMethod"), QStringLiteral("string:"),
                     QStringLiteral("string:") + name, QStringLiteral("string:") + in,
                     QStringLiteral("string:o"), QStringLiteral("string:") + code});
    }

    ScopedEnv address_; // restored after the test
    PrivateBuses buses_;
    QTemporaryDir dir_;
    std::string why_;
};

// The program on fake services but the real wake-up adapter: an alarm at 07:00 local time,
// the computer's clock an hour ahead of UTC, started at 23:00 the evening before.
struct ProgramWithSystemTimer {
    TempFolder folder;
    FakePlatform fakes{encodeDate(2026, 12, 7) + encodeTime(23, 0, 0)};
    std::unique_ptr<Application> app;
    explicit ProgramWithSystemTimer(WakeTimer& wake) {
        fakes.clock.setUtcOffsetMinutes(60);
        folder.put("Kelvaro.ini", "[Data]\r\nHour=07\r\nMinute=00\r\n");
        Platform platform = fakes.platform(folder.file("handover.ini"));
        platform.wake = &wake;
        app = createProgram(platform, LocaleInfo::enUS(), folder.path().string() + "/", {});
        firstPaint(*app);
        mainTick(*app);
    }
    std::string tier() const { return app->state("WakeTier").value_or("?"); }
};

} // namespace

TEST(LinuxWakeSystemTimer, AsksForATimerAMinuteBeforeTheAlarmInUtcAndStopsItWhenTheAlarmIsOff) {
    testApp();
    MockSystemd systemd;
    if (!systemd.skipReason().empty()) GTEST_SKIP() << systemd.skipReason();
    systemd.acceptTransientUnits();
    NoKernelAlarm noKernelAlarm;
    if (LinuxWakeTimer::kernelAlarmAllowed())
        GTEST_SKIP() << "the kernel's alarm timer could not be taken away";
    LinuxWakeTimer timer; // no wake helper either
    ASSERT_EQ(timer.method(), WakeMethod::SystemTimer);

    ProgramWithSystemTimer program(timer);
    EXPECT_EQ(program.tier(), "Wakes the computer for the alarm (system timer)");
    EXPECT_EQ(systemd.calls(),
              QStringList{QStringLiteral("StartTransientUnit kelvaro-wake.timer replace "
                                         "OnCalendar=String:2026-12-08 05:59:00 UTC WakeSystem=Boolean:1 "
                                         "RemainAfterElapse=Boolean:0 kelvaro-wake.service")})
        << systemd.calls().join(QLatin1Char('\n')).toStdString();

    program.app->userClick("OFF1");
    mainTick(*program.app);
    ASSERT_EQ(systemd.calls().size(), 2);
    EXPECT_EQ(systemd.calls().last(), QStringLiteral("StopUnit kelvaro-wake.timer replace"));
}

TEST(LinuxWakeSystemTimer, ARefusalLeavesTheNextTierInForceAndNothingToStop) {
    testApp();
    MockSystemd systemd;
    if (!systemd.skipReason().empty()) GTEST_SKIP() << systemd.skipReason();
    systemd.refuseTransientUnits();
    NoKernelAlarm noKernelAlarm;
    if (LinuxWakeTimer::kernelAlarmAllowed())
        GTEST_SKIP() << "the kernel's alarm timer could not be taken away";
    LinuxWakeTimer timer;
    ASSERT_EQ(timer.method(), WakeMethod::SystemTimer);
    EXPECT_FALSE(timer.arm(1'800'000'000));

    ProgramWithSystemTimer program(timer);
    // "Stop Hibernate and Stand-by" is checked by default: the computer is kept awake instead.
    EXPECT_EQ(program.tier(), "Keeps the computer awake for the alarm");
    program.app.reset(); // a closed clock disarms: nothing was armed, nothing is stopped
    EXPECT_TRUE(systemd.calls().isEmpty()) << systemd.calls().join(QLatin1Char('\n')).toStdString();
}
