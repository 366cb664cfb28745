// The power adapters against python3-dbusmock's logind and upower templates and
// a mocked screen saver, on private buses the test starts: holds taken and let
// go as logind lists them, a battery change followed at run time.
#include "platform/linux/linux_power_inhibitor.h"
#include "platform/linux/linux_power_status.h"
#include "private_buses.h"
#include "qt_test_support.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

const QString kMock = QStringLiteral("org.freedesktop.DBus.Mock");

class PowerOnPrivateBus : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!buses_.skipReason().empty()) GTEST_SKIP() << buses_.skipReason();
        if (!buses_.mock(QStringLiteral("org.freedesktop.login1"),
                         {QStringLiteral("--template"), QStringLiteral("logind")}))
            GTEST_SKIP() << "python3-dbusmock's logind template did not start";
        if (!buses_.mock(QStringLiteral("org.freedesktop.UPower"),
                         {QStringLiteral("--template"), QStringLiteral("upower"), QStringLiteral("-p"),
                          QStringLiteral("{\"OnBattery\": true}")}))
            GTEST_SKIP() << "python3-dbusmock's upower template did not start";
        if (!buses_.mock(kScreenSaver,
                         {QStringLiteral("--session"), kScreenSaver,
                          QStringLiteral("/org/freedesktop/ScreenSaver"), kScreenSaver},
                         true))
            GTEST_SKIP() << "a mocked screen saver did not start";
        screenSaver({kMock + QStringLiteral(".AddMethod"), QStringLiteral("string:") + kScreenSaver,
                     QStringLiteral("string:Inhibit"), QStringLiteral("string:ss"),
                     QStringLiteral("string:u"), QStringLiteral("string:ret = 42")});
        screenSaver({kMock + QStringLiteral(".AddMethod"), QStringLiteral("string:") + kScreenSaver,
                     QStringLiteral("string:UnInhibit"), QStringLiteral("string:u"),
                     QStringLiteral("string:"), QStringLiteral("string:")});
        upower({QStringLiteral("/org/freedesktop/UPower"), kMock + QStringLiteral(".SetupDisplayDevice"),
                QStringLiteral("uint32:2"), QStringLiteral("uint32:2"), QStringLiteral("double:3.0"),
                QStringLiteral("double:1.5"), QStringLiteral("double:50.0"), QStringLiteral("double:2.0"),
                QStringLiteral("int64:200"), QStringLiteral("int64:0"), QStringLiteral("boolean:true"),
                QStringLiteral("string:battery-caution-symbolic"), QStringLiteral("uint32:3")});
    }

    QString logind(const QString& method) {
        return buses_.send({QStringLiteral("--dest=org.freedesktop.login1"),
                            QStringLiteral("/org/freedesktop/login1"), method});
    }
    QString inhibitors() { return logind(QStringLiteral("org.freedesktop.login1.Manager.ListInhibitors")); }
    QString screenSaver(const QStringList& args) {
        QStringList all = {QStringLiteral("--dest=") + kScreenSaver,
                           QStringLiteral("/org/freedesktop/ScreenSaver")};
        return buses_.send(all + args, true);
    }
    QString upower(const QStringList& args) {
        return buses_.send(QStringList{QStringLiteral("--dest=org.freedesktop.UPower")} + args);
    }
    void setDisplayDevice(const QString& property, const QString& value) {
        upower({QStringLiteral("/org/freedesktop/UPower/devices/DisplayDevice"),
                QStringLiteral("org.freedesktop.DBus.Properties.Set"),
                QStringLiteral("string:org.freedesktop.UPower.Device"), QStringLiteral("string:") + property,
                value});
    }

    const QString kScreenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
    PrivateBuses buses_;
};

TEST_F(PowerOnPrivateBus, SleepBlockAndShutdownDelayAreListedWhileHeldAndGoneWhenLetGo) {
    LogindInhibitor inhibitor(buses_.system(), buses_.session());
    EXPECT_FALSE(inhibitor.setMonitor(MonitorPower::Standby)) << "no X display: DPMS is unsupported";
    inhibitor.holdSleep(true);
    inhibitor.holdSleep(true); // held once, not twice
    inhibitor.holdShutdown(true);
    const QString held = inhibitors();
    EXPECT_EQ(held.count(QStringLiteral("sleep")), 1) << held.toStdString();
    EXPECT_TRUE(held.contains(QStringLiteral("block"))) << held.toStdString();
    EXPECT_TRUE(held.contains(QStringLiteral("shutdown"))) << held.toStdString();
    EXPECT_TRUE(held.contains(QStringLiteral("delay"))) << held.toStdString();
    EXPECT_TRUE(held.contains(QStringLiteral("Kelvaro Clock"))) << held.toStdString();

    inhibitor.holdSleep(false);
    EXPECT_TRUE(processEventsUntil([&] { return !inhibitors().contains(QStringLiteral("sleep")); }, 3000))
        << inhibitors().toStdString();
    EXPECT_TRUE(inhibitors().contains(QStringLiteral("shutdown")));
    inhibitor.holdShutdown(false);
    EXPECT_TRUE(processEventsUntil([&] { return !inhibitors().contains(QStringLiteral("shutdown")); }, 3000));
    inhibitor.holdSleep(true);
    EXPECT_TRUE(inhibitors().contains(QStringLiteral("sleep"))) << "taken again after a release";
}

TEST_F(PowerOnPrivateBus, SuspendAndTheScreenSaverHoldReachTheirServices) {
    LogindInhibitor inhibitor(buses_.system(), buses_.session());
    inhibitor.suspend();
    EXPECT_TRUE(processEventsUntil(
        [&] { return logind(kMock + QStringLiteral(".GetCalls")).contains(QStringLiteral("Suspend")); },
        3000));
    inhibitor.holdIdle(true);
    inhibitor.holdIdle(true);
    inhibitor.holdIdle(false);
    const auto calls = [&] { return screenSaver({kMock + QStringLiteral(".GetCalls")}); };
    EXPECT_TRUE(processEventsUntil([&] { return calls().contains(QStringLiteral("UnInhibit")); }, 3000))
        << calls().toStdString();
    EXPECT_EQ(calls().count(QStringLiteral("Inhibit")), 2)
        << "one Inhibit, one UnInhibit: " << calls().toStdString();
    EXPECT_TRUE(calls().contains(QStringLiteral("42")));
}

TEST_F(PowerOnPrivateBus, BatteryStateIsReadAndFollowedAtRunTime) {
    UPowerStatus status(buses_.system());
    PowerStatus::Reading r = status.read();
    EXPECT_TRUE(r.onBattery);
    EXPECT_EQ(r.secondsLeft, 200u);

    int changes = 0;
    status.onChange = [&] { ++changes; };
    setDisplayDevice(QStringLiteral("TimeToEmpty"), QStringLiteral("variant:int64:100"));
    ASSERT_TRUE(processEventsUntil([&] { return status.read().secondsLeft == 100u; }, 3000));
    EXPECT_GE(changes, 1);

    setDisplayDevice(QStringLiteral("TimeToEmpty"), QStringLiteral("variant:int64:0"));
    ASSERT_TRUE(
        processEventsUntil([&] { return status.read().secondsLeft == PowerStatus::kUnknownSeconds; }, 3000))
        << "UPower's 0 is an unknown time";

    upower({QStringLiteral("/org/freedesktop/UPower"), QStringLiteral("org.freedesktop.DBus.Properties.Set"),
            QStringLiteral("string:org.freedesktop.UPower"), QStringLiteral("string:OnBattery"),
            QStringLiteral("variant:boolean:false")});
    EXPECT_TRUE(processEventsUntil([&] { return !status.read().onBattery; }, 3000));
}

// wlroots and portal-only desktops: no screen saver service, so the portal is asked to hold
// idle; the surface hold (Wayland's idle-inhibit) follows the night screen either way.
TEST(PowerWithoutServices, WithoutAScreenSaverThePortalAndTheSurfaceHoldIdle) {
    PrivateBuses buses;
    if (!buses.skipReason().empty()) GTEST_SKIP() << buses.skipReason();
    const QString portal = QStringLiteral("org.freedesktop.portal.Desktop");
    const QString inhibit = QStringLiteral("org.freedesktop.portal.Inhibit");
    if (!buses.mock(
            portal,
            {QStringLiteral("--session"), portal, QStringLiteral("/org/freedesktop/portal/desktop"), inhibit},
            true))
        GTEST_SKIP() << "a mocked portal did not start";
    const auto send = [&](const QStringList& args) {
        return buses.send(QStringList{QStringLiteral("--dest=") + portal,
                                      QStringLiteral("/org/freedesktop/portal/desktop")} +
                              args,
                          true);
    };
    send({kMock + QStringLiteral(".AddMethod"), QStringLiteral("string:") + inhibit,
          QStringLiteral("string:Inhibit"), QStringLiteral("string:sua{sv}"), QStringLiteral("string:o"),
          QStringLiteral("string:ret = dbus.ObjectPath('/org/freedesktop/portal/desktop/request/1_9/k1')")});
    LogindInhibitor inhibitor(buses.system(), buses.session());
    std::vector<bool> surface;
    inhibitor.holdIdleOnSurface([&](bool hold) { surface.push_back(hold); });
    inhibitor.holdIdle(true);
    inhibitor.holdIdle(true);
    inhibitor.holdIdle(false);
    EXPECT_EQ(surface, (std::vector<bool>{true, false}));
    const QString calls = send({kMock + QStringLiteral(".GetCalls")});
    EXPECT_EQ(calls.count(QStringLiteral("Inhibit")), 1) << calls.toStdString();
    EXPECT_TRUE(calls.contains(QStringLiteral("uint32 8"))) << "the idle flag: " << calls.toStdString();
}

TEST(PowerWithoutServices, NoUPowerReadsAsMainsAndNoLogindHoldsNothing) {
    PrivateBuses buses; // buses with nobody on them
    if (!buses.skipReason().empty()) GTEST_SKIP() << buses.skipReason();
    UPowerStatus status(buses.system());
    EXPECT_FALSE(status.read().onBattery);
    LogindInhibitor inhibitor(buses.system(), buses.session());
    inhibitor.holdSleep(true); // fails quietly
    inhibitor.holdIdle(true);
    inhibitor.suspend();
    SUCCEED();
}

} // namespace
