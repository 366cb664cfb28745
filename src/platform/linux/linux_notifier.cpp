#include "platform/linux/linux_notifier.h"
#include "platform/linux/translation.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QStringList>
#include <QVariantMap>

namespace kelvaro {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
// The alarm must not wait on a desktop that does not answer.
constexpr int kTimeoutMs = 2000;
constexpr uchar kCriticalUrgency = 2; // stays until the user or the program closes it

} // namespace

DBusNotifier::DBusNotifier(QString appName, QObject* parent)
    : QObject(parent), appName_(std::move(appName)) {}

void DBusNotifier::listen() {
    // At first use, not at construction: a test sets up its private bus first.
    if (listening_) return;
    // Without a session the bus library would launch a bus of its own just for this.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    listening_ = true;
    bus.connect(QString(), kPath, kService, QStringLiteral("ActionInvoked"), this,
                SLOT(actionInvoked(uint, QString)));
    bus.connect(QString(), kPath, kService, QStringLiteral("NotificationClosed"), this,
                SLOT(notificationClosed(uint, uint)));
}

std::uint32_t DBusNotifier::show(const std::string& title, const std::string& body,
                                 const std::vector<NotificationAction>& actions) {
    listen();
    if (!listening_) return 0;
    QStringList pairs;
    for (const NotificationAction& a : actions)
        pairs << QString::fromStdString(a.key) << translated(a.label);
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(kCriticalUrgency));
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("kelvaro"));
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    call << appName_ << 0u << QStringLiteral("kelvaro") << translated(title) << translated(body) << pairs
         << hints << 0;
    const QDBusReply<uint> reply = QDBusConnection::sessionBus().call(call, QDBus::Block, kTimeoutMs);
    if (!reply.isValid()) return 0;
    open_.insert(reply.value());
    return reply.value();
}

void DBusNotifier::close(std::uint32_t id) {
    if (id == 0 || !open_.erase(id)) return;
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("CloseNotification"));
    call << static_cast<uint>(id);
    QDBusConnection::sessionBus().send(call);
}

void DBusNotifier::actionInvoked(uint id, const QString& key) {
    if (open_.count(id) && handler_) handler_(id, key.toStdString());
}

void DBusNotifier::notificationClosed(uint id, uint) {
    open_.erase(id);
}

} // namespace kelvaro
