#include "platform/linux/linux_session_end.h"

#include "platform/linux/logind.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QTimer>

namespace kelvaro {

LinuxSessionEnd::LinuxSessionEnd(QDBusConnection system) {
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(gui, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager& manager) { commitData(manager); });
    system.connect(kLogin1, kLogin1Path, kLogin1Manager, QStringLiteral("PrepareForShutdown"), this,
                   SLOT(prepareForShutdown(bool)));
}

void LinuxSessionEnd::later(std::function<void()> step) {
    QTimer::singleShot(0, this, std::move(step));
}

void LinuxSessionEnd::commitData(QSessionManager& manager) {
    if (!mayEnd || mayEnd()) return;
    // Only a manager that lets the program interact takes a refusal.
    if (manager.allowsInteraction()) {
        manager.cancel();
        manager.release();
    }
}

void LinuxSessionEnd::prepareForShutdown(bool starting) {
    // logind waits while the delay is held; the answer cannot stop it, the question still comes.
    if (starting && mayEnd) mayEnd();
}

} // namespace kelvaro
