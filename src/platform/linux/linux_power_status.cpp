#include "platform/linux/linux_power_status.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>

namespace kelvaro {

namespace {

const QString kService = QStringLiteral("org.freedesktop.UPower");
const QString kPath = QStringLiteral("/org/freedesktop/UPower");
const QString kDevice = QStringLiteral("org.freedesktop.UPower.Device");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
constexpr int kTimeoutMs = 2000;

} // namespace

UPowerStatus::UPowerStatus(QDBusConnection bus) : bus_(std::move(bus)) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("GetDisplayDevice"));
    const QDBusReply<QDBusObjectPath> device = bus_.call(call, QDBus::Block, kTimeoutMs);
    if (device.isValid()) device_ = device.value().path();
    for (const QString& path : {kPath, device_}) {
        if (path.isEmpty()) continue;
        bus_.connect(kService, path, kProperties, QStringLiteral("PropertiesChanged"), this,
                     SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    }
    refresh();
}

QVariant UPowerStatus::property(const QString& path, const QString& interface, const QString& name) {
    QDBusMessage call = QDBusMessage::createMethodCall(kService, path, kProperties, QStringLiteral("Get"));
    call << interface << name;
    const QDBusReply<QDBusVariant> reply = bus_.call(call, QDBus::Block, kTimeoutMs);
    return reply.isValid() ? reply.value().variant() : QVariant();
}

void UPowerStatus::refresh() {
    Reading r;
    r.onBattery = property(kPath, kService, QStringLiteral("OnBattery")).toBool();
    if (r.onBattery && !device_.isEmpty()) {
        const qlonglong seconds = property(device_, kDevice, QStringLiteral("TimeToEmpty")).toLongLong();
        // 0 is UPower's "not known"; so is anything the status cannot hold.
        if (seconds > 0 && seconds < static_cast<qlonglong>(kUnknownSeconds))
            r.secondsLeft = static_cast<std::uint32_t>(seconds);
    }
    reading_ = r;
}

void UPowerStatus::propertiesChanged(const QString&, const QVariantMap&, const QStringList&) {
    const Reading before = reading_;
    refresh();
    if ((before.onBattery != reading_.onBattery || before.secondsLeft != reading_.secondsLeft) && onChange)
        onChange();
}

} // namespace kelvaro
