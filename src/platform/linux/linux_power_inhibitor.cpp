#include "platform/linux/linux_power_inhibitor.h"

#include "framework/translatable.h"
#include "platform/linux/logind.h"
#include "platform/linux/translation.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QVariantMap>

namespace kelvaro {

namespace {

const QString kScreenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString kWho = QStringLiteral("Kelvaro Clock");
const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kPortalInhibit = QStringLiteral("org.freedesktop.portal.Inhibit");
const QString kPortalRequest = QStringLiteral("org.freedesktop.portal.Request");
constexpr uint kPortalIdleFlag = 8;
constexpr int kTimeoutMs = 2000;
constexpr qint64 kRetryMs = 60'000;

} // namespace

LogindInhibitor::LogindInhibitor(QDBusConnection system, QDBusConnection session)
    : system_(std::move(system)), session_(std::move(session)) {}

void LogindInhibitor::hold(Hold& h, bool wanted, const char* what, const char* why, const char* mode) {
    if (!wanted) {
        h.fd = QDBusUnixFileDescriptor(); // the last copy closes the descriptor: logind lets go
        h.lastTry.invalidate();
        return;
    }
    if (h.fd.isValid() || (h.lastTry.isValid() && h.lastTry.elapsed() < kRetryMs)) return;
    h.lastTry.start();
    h.fd = logindInhibit(system_, what, translated(why), mode);
}

void LogindInhibitor::holdSleep(bool wanted) {
    hold(sleep_, wanted, "sleep", KV_TR("The alarm is on"), "block");
}

void LogindInhibitor::holdShutdown(bool wanted) {
    hold(shutdown_, wanted, "shutdown", KV_TR("Asking before the night ends"), "delay");
}

void LogindInhibitor::holdIdle(bool wanted) {
    if (wanted == idleHeld_) return;
    idleHeld_ = wanted;
    if (surfaceHold_) surfaceHold_(wanted);
    if (!wanted) {
        if (idleCookie_) {
            QDBusMessage call = QDBusMessage::createMethodCall(kScreenSaver, kScreenSaverPath, kScreenSaver,
                                                               QStringLiteral("UnInhibit"));
            call << *idleCookie_;
            session_.call(call, QDBus::NoBlock);
            idleCookie_.reset();
        }
        if (!idleRequest_.isEmpty()) {
            session_.call(QDBusMessage::createMethodCall(kPortal, idleRequest_, kPortalRequest,
                                                         QStringLiteral("Close")),
                          QDBus::NoBlock);
            idleRequest_.clear();
        }
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kScreenSaver, kScreenSaverPath, kScreenSaver,
                                                       QStringLiteral("Inhibit"));
    const QString why = translated(KV_TR("Night screen"));
    call << kWho << why;
    const QDBusReply<uint> reply = session_.call(call, QDBus::Block, kTimeoutMs);
    if (reply.isValid()) {
        idleCookie_ = reply.value();
        return;
    }
    // GNOME's own and the portal-only desktops: the portal, with the idle flag.
    QDBusMessage portal =
        QDBusMessage::createMethodCall(kPortal, kPortalPath, kPortalInhibit, QStringLiteral("Inhibit"));
    portal << QString() << kPortalIdleFlag << QVariantMap{{QStringLiteral("reason"), why}};
    const QDBusReply<QDBusObjectPath> request = session_.call(portal, QDBus::Block, kTimeoutMs);
    if (request.isValid()) idleRequest_ = request.value().path();
}

bool LogindInhibitor::setMonitor(MonitorPower power) {
    return setDpmsLevel(power);
}

void LogindInhibitor::suspend() {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kLogin1, kLogin1Path, kLogin1Manager, QStringLiteral("Suspend"));
    call << false; // not interactive: no password prompt in the middle of the night
    system_.call(call, QDBus::NoBlock);
}

} // namespace kelvaro
