// The notifier against python3-dbusmock's notification daemon on a private session
// bus that the test starts: the notification shown with its buttons, a pressed button
// reported, the notification closed. The user's own desktop is never reached.
#include "platform/linux/linux_notifier.h"
#include "private_buses.h"
#include "qt_test_support.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantList>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

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
    PrivateBuses buses;
    if (!buses.skipReason().empty()) GTEST_SKIP() << buses.skipReason();
    buses.becomeDefault();
    DBusNotifier notifier;
    std::vector<std::pair<std::uint32_t, std::string>> pressed;
    notifier.onAction([&](std::uint32_t id, const std::string& key) { pressed.emplace_back(id, key); });

    // A bus without a notification service: nothing is shown, nothing fails.
    EXPECT_EQ(notifier.show("Alarm 07:00", "Paris: alarm at 07:00", {{"snooze", "Snooze"}}), 0u);
    notifier.close(0);

    const QString logFile = buses.file(QStringLiteral("notify.log"));
    if (!buses.mock(kService,
                    {QStringLiteral("-l"), logFile, QStringLiteral("--template"),
                     QStringLiteral("notification_daemon")},
                    true))
        GTEST_SKIP() << "the notification_daemon template of python3-dbusmock did not start";
    const auto log = [&] { return PrivateBuses::read(logFile); };
    const std::uint32_t id =
        notifier.show("Alarm 07:00", "Paris: alarm at 07:00", {{"snooze", "Snooze"}, {"stop", "Stop"}});
    ASSERT_NE(id, 0u);
    const QString text = log();
    EXPECT_TRUE(text.contains(
        QStringLiteral("Notify \"Kelvaro Clock\" 0 \"kelvaro\" \"Alarm 07:00\" "
                       "\"Paris: alarm at 07:00\" [\"snooze\", \"Snooze\", \"stop\", \"Stop\"]")))
        << text.toStdString();

    pressButton(id, QStringLiteral("stop"));
    pressButton(id + 100, QStringLiteral("snooze")); // another program's notification
    ASSERT_TRUE(processEventsUntil([&] { return !pressed.empty(); }, 3000));
    processEventsUntil([] { return false; }, 200);
    ASSERT_EQ(pressed.size(), 1u);
    EXPECT_EQ(pressed[0], (std::pair<std::uint32_t, std::string>{id, "stop"}));

    notifier.close(id);
    EXPECT_TRUE(processEventsUntil([&] { return log().contains(QStringLiteral("CloseNotification")); }, 3000))
        << log().toStdString();
    pressButton(id, QStringLiteral("snooze")); // a closed notification's buttons are gone
    processEventsUntil([] { return false; }, 200);
    EXPECT_EQ(pressed.size(), 1u);
}
