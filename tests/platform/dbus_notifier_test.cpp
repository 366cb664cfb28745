// The notifier against python3-dbusmock's notification daemon on a private session
// bus that the test starts: the notification shown with its buttons, a pressed button
// reported, the notification closed. The user's own desktop is never reached.
#include "platform/linux_notifier.h"
#include "qt_test_support.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QVariantList>

#include <gtest/gtest.h>
#include <unistd.h>

using namespace kelvaro;

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

bool nameOwned(const QString& name) {
    QDBusMessage ask = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/"), QStringLiteral("org.freedesktop.DBus"),
        QStringLiteral("NameHasOwner"));
    ask << name;
    const QDBusMessage reply = QDBusConnection::sessionBus().call(ask, QDBus::Block, 2000);
    return reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool();
}

// A private session bus for the whole process: Qt connects to the session bus once.
class PrivateSessionBus {
  public:
    PrivateSessionBus() {
        if (access("/usr/bin/dbus-daemon", X_OK) != 0) {
            why_ = "needs dbus-daemon";
            return;
        }
        bus_.start(QStringLiteral("/usr/bin/dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                    QStringLiteral("--address=unix:path=") + dir_.filePath(QStringLiteral("bus")),
                    QStringLiteral("--print-address=1")});
        if (!bus_.waitForReadyRead(5000)) {
            why_ = "dbus-daemon did not start";
            return;
        }
        setenv("DBUS_SESSION_BUS_ADDRESS", bus_.readLine().trimmed().constData(), 1);
    }
    ~PrivateSessionBus() {
        for (QProcess* p : {&mock_, &bus_}) {
            if (p->state() == QProcess::NotRunning) continue;
            p->kill();
            p->waitForFinished(2000);
        }
    }
    // Starts the notification daemon's mock; false when it did not come up.
    bool startDaemon() {
        log_ = dir_.filePath(QStringLiteral("notify.log"));
        mock_.start(QStringLiteral("/usr/bin/python3"),
                    {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("-l"), log_,
                     QStringLiteral("--template"), QStringLiteral("notification_daemon")});
        mock_.waitForStarted(3000);
        const bool up = processEventsUntil(
            [&] { return nameOwned(kService) || mock_.state() == QProcess::NotRunning; }, 8000);
        if (!up || mock_.state() == QProcess::NotRunning) {
            why_ = "needs python3-dbusmock (its notification_daemon template did not start)";
            return false;
        }
        return true;
    }
    const std::string& skipReason() const { return why_; }
    QString log() const {
        QFile f(log_);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

  private:
    QTemporaryDir dir_;
    QProcess bus_, mock_;
    QString log_;
    std::string why_;
};

// What the desktop does when the user presses a button.
void pressButton(uint id, const QString& key) {
    QDBusMessage signal = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("EmitSignal"));
    signal << kService << QStringLiteral("ActionInvoked") << QStringLiteral("us")
           << QVariantList{QVariant::fromValue(id), key};
    QDBusConnection::sessionBus().call(signal, QDBus::Block, 2000);
}

} // namespace

TEST(DBusNotifier, ShowsReportsButtonsAndClosesOnAPrivateBus) {
    testApp();
    PrivateSessionBus bus;
    if (!bus.skipReason().empty()) GTEST_SKIP() << bus.skipReason();
    DBusNotifier notifier;
    std::vector<std::pair<std::uint32_t, std::string>> pressed;
    notifier.onAction([&](std::uint32_t id, const std::string& key) { pressed.emplace_back(id, key); });

    // A bus without a notification service: nothing is shown, nothing fails.
    EXPECT_EQ(notifier.show("Alarm 07:00", "Paris: alarm at 07:00", {{"snooze", "Snooze"}}), 0u);
    notifier.close(0);

    if (!bus.startDaemon()) GTEST_SKIP() << bus.skipReason();
    const std::uint32_t id =
        notifier.show("Alarm 07:00", "Paris: alarm at 07:00", {{"snooze", "Snooze"}, {"stop", "Stop"}});
    ASSERT_NE(id, 0u);
    const QString log = bus.log();
    EXPECT_TRUE(log.contains(
        QStringLiteral("Notify \"Kelvaro Clock\" 0 \"kelvaro\" \"Alarm 07:00\" "
                       "\"Paris: alarm at 07:00\" [\"snooze\", \"Snooze\", \"stop\", \"Stop\"]")))
        << log.toStdString();

    pressButton(id, QStringLiteral("stop"));
    pressButton(id + 100, QStringLiteral("snooze")); // another program's notification
    ASSERT_TRUE(processEventsUntil([&] { return !pressed.empty(); }, 3000));
    processEventsUntil([] { return false; }, 200);
    ASSERT_EQ(pressed.size(), 1u);
    EXPECT_EQ(pressed[0], (std::pair<std::uint32_t, std::string>{id, "stop"}));

    notifier.close(id);
    EXPECT_TRUE(
        processEventsUntil([&] { return bus.log().contains(QStringLiteral("CloseNotification")); }, 3000))
        << bus.log().toStdString();
    pressButton(id, QStringLiteral("snooze")); // a closed notification's buttons are gone
    processEventsUntil([] { return false; }, 200);
    EXPECT_EQ(pressed.size(), 1u);
}
