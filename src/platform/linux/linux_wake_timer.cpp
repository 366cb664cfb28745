#include "platform/linux/linux_wake_timer.h"

#include "framework/translatable.h"
#include "platform/linux/logind.h"
#include "platform/linux/translation.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QDateTime>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <sys/timerfd.h>
#include <unistd.h>

namespace kelvaro {

namespace {

const QString kSystemd = QStringLiteral("org.freedesktop.systemd1");
const QString kSystemdPath = QStringLiteral("/org/freedesktop/systemd1");
const QString kSystemdManager = QStringLiteral("org.freedesktop.systemd1.Manager");
const QString kTimerUnit = QStringLiteral("kelvaro-wake.timer");

bool onBus(const QString& name) {
    QDBusConnection bus = QDBusConnection::systemBus();
    return bus.isConnected() && bus.interface() && bus.interface()->isServiceRegistered(name).value();
}

// A transient unit's property list, a(sv).
struct UnitProperty {
    QString name;
    QDBusVariant value;
};
using UnitProperties = QList<UnitProperty>;

QDBusArgument& operator<<(QDBusArgument& a, const UnitProperty& p) {
    a.beginStructure();
    a << p.name << p.value;
    a.endStructure();
    return a;
}
const QDBusArgument& operator>>(const QDBusArgument& a, UnitProperty& p) {
    a.beginStructure();
    a >> p.name >> p.value;
    a.endStructure();
    return a;
}

// ExecStart's a(sasb): program, its argument vector, failure ignored.
struct ExecCommand {
    QString path;
    QStringList argv;
    bool ignoreFailure = false;
};
QDBusArgument& operator<<(QDBusArgument& a, const ExecCommand& c) {
    a.beginStructure();
    a << c.path << c.argv << c.ignoreFailure;
    a.endStructure();
    return a;
}
const QDBusArgument& operator>>(const QDBusArgument& a, ExecCommand& c) {
    a.beginStructure();
    a >> c.path >> c.argv >> c.ignoreFailure;
    a.endStructure();
    return a;
}

// Auxiliary units, a(sa(sv)): the service the timer starts (it does nothing; waking is the point).
struct AuxUnit {
    QString name;
    UnitProperties properties;
};
QDBusArgument& operator<<(QDBusArgument& a, const AuxUnit& u) {
    a.beginStructure();
    a << u.name << u.properties;
    a.endStructure();
    return a;
}
const QDBusArgument& operator>>(const QDBusArgument& a, AuxUnit& u) {
    a.beginStructure();
    a >> u.name >> u.properties;
    a.endStructure();
    return a;
}

// The installed helper answers --probe with 0 when it was given cap_wake_alarm and would hold
// a timer for this user (an active local session).
bool helperAllowed(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isExecutable()) return false;
    QProcess probe;
    probe.start(path, {QStringLiteral("--probe")});
    return probe.waitForFinished(2000) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0;
}

} // namespace

} // namespace kelvaro

Q_DECLARE_METATYPE(kelvaro::UnitProperty)
Q_DECLARE_METATYPE(kelvaro::ExecCommand)
Q_DECLARE_METATYPE(kelvaro::AuxUnit)

namespace kelvaro {

bool LinuxWakeTimer::kernelAlarmAllowed(QString* why) {
    const int fd = timerfd_create(CLOCK_REALTIME_ALARM, TFD_CLOEXEC | TFD_NONBLOCK);
    if (fd < 0) {
        if (why) *why = QString::fromUtf8(std::strerror(errno));
        return false;
    }
    close(fd);
    return true;
}

LinuxWakeTimer::LinuxWakeTimer(QString helperPath) : helperPath_(std::move(helperPath)) {
    alarmFd_ = timerfd_create(CLOCK_REALTIME_ALARM, TFD_CLOEXEC | TFD_NONBLOCK);
    if (alarmFd_ >= 0) {
        method_ = WakeMethod::KernelAlarm;
        auto* n = new QSocketNotifier(alarmFd_, QSocketNotifier::Read, this);
        connect(n, &QSocketNotifier::activated, this, [this] { readExpiry(); });
        notifier_ = n;
    } else if (helperAllowed(helperPath_)) {
        method_ = WakeMethod::WakeHelper;
    } else if (onBus(kSystemd)) {
        method_ = WakeMethod::SystemTimer;
    }
    logind_ = onBus(kLogin1);
    if (!logind_) return;
    QDBusConnection::systemBus().connect(kLogin1, kLogin1Path, kLogin1Manager,
                                         QStringLiteral("PrepareForSleep"), this,
                                         SLOT(prepareForSleep(bool)));
    takeSleepDelay();
}

LinuxWakeTimer::~LinuxWakeTimer() {
    disarm();
    if (alarmFd_ >= 0) close(alarmFd_);
}

void LinuxWakeTimer::takeSleepDelay() {
    if (!logind_ || delay_.isValid()) return;
    delay_ = logindInhibit(QDBusConnection::systemBus(), "sleep",
                           translated(KV_TR("Sets the wake-up for the next alarm")), "delay");
}

void LinuxWakeTimer::prepareForSleep(bool starting) {
    if (starting) {
        if (onSleep)
            onSleep(); // the program re-arms, then calls sleepReady
        else
            sleepReady();
        return;
    }
    takeSleepDelay(); // for the next sleep
    if (onResume) onResume();
}

void LinuxWakeTimer::sleepReady() {
    delay_ = QDBusUnixFileDescriptor(); // closing our copy lets logind go on
}

void LinuxWakeTimer::readExpiry() {
    std::uint64_t count = 0;
    if (read(alarmFd_, &count, sizeof count) == sizeof count) expiries_ += static_cast<int>(count);
}

bool LinuxWakeTimer::arm(std::int64_t utcSeconds) {
    switch (method_) {
    case WakeMethod::KernelAlarm:
        return armKernel(utcSeconds);
    case WakeMethod::WakeHelper:
        return armHelper(utcSeconds);
    case WakeMethod::SystemTimer:
        return armSystemTimer(utcSeconds);
    case WakeMethod::None:
        break;
    }
    return false;
}

bool LinuxWakeTimer::armKernel(std::int64_t utcSeconds) {
    itimerspec expiry{};
    expiry.it_value.tv_sec = static_cast<time_t>(utcSeconds);
    return timerfd_settime(alarmFd_, TFD_TIMER_ABSTIME, &expiry, nullptr) == 0;
}

// The helper holds the timer until it expires or its standard input closes.
bool LinuxWakeTimer::armHelper(std::int64_t utcSeconds) {
    disarm();
    helper_ = new QProcess(this);
    helper_->start(helperPath_, {QString::number(utcSeconds)});
    if (!helper_->waitForStarted(2000)) {
        delete helper_;
        helper_ = nullptr;
        return false;
    }
    // It says "armed" once the timer is set; it exits instead when it may not hold one
    // (no capability, no active local session of this user, another wake-up of this user).
    while (!helper_->canReadLine() && helper_->state() == QProcess::Running &&
           helper_->waitForReadyRead(3000)) {
    }
    if (helper_->readLine().trimmed() == "armed") return true;
    helper_->kill();
    helper_->waitForFinished(1000);
    delete helper_;
    helper_ = nullptr;
    return false;
}

bool LinuxWakeTimer::armSystemTimer(std::int64_t utcSeconds) {
    static const bool registered = [] {
        qDBusRegisterMetaType<ExecCommand>();
        qDBusRegisterMetaType<QList<ExecCommand>>();
        qDBusRegisterMetaType<UnitProperty>();
        qDBusRegisterMetaType<UnitProperties>();
        qDBusRegisterMetaType<AuxUnit>();
        qDBusRegisterMetaType<QList<AuxUnit>>();
        return true;
    }();
    (void)registered;
    disarm();
    // A calendar time, never a monotonic one: only those wake a suspended machine.
    const QString when =
        QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) +
        QStringLiteral(" UTC");
    const UnitProperties props = {
        {QStringLiteral("OnCalendar"), QDBusVariant(when)},
        {QStringLiteral("WakeSystem"), QDBusVariant(true)},
        {QStringLiteral("RemainAfterElapse"), QDBusVariant(false)},
    };
    const QList<ExecCommand> doNothing = {
        {QStringLiteral("/bin/true"), {QStringLiteral("/bin/true")}, false}};
    const QList<AuxUnit> service = {
        {QStringLiteral("kelvaro-wake.service"),
         {{QStringLiteral("ExecStart"), QDBusVariant(QVariant::fromValue(doNothing))}}}};
    QDBusMessage call = QDBusMessage::createMethodCall(kSystemd, kSystemdPath, kSystemdManager,
                                                       QStringLiteral("StartTransientUnit"));
    call << kTimerUnit << QStringLiteral("replace") << QVariant::fromValue(props)
         << QVariant::fromValue(service);
    call.setInteractiveAuthorizationAllowed(true);
    const QDBusMessage reply = QDBusConnection::systemBus().call(call, QDBus::Block, 5000);
    systemTimerArmed_ = reply.type() == QDBusMessage::ReplyMessage;
    return systemTimerArmed_;
}

void LinuxWakeTimer::disarm() {
    if (alarmFd_ >= 0) {
        itimerspec none{};
        timerfd_settime(alarmFd_, TFD_TIMER_ABSTIME, &none, nullptr);
    }
    if (helper_) {
        helper_->closeWriteChannel();
        helper_->kill();
        helper_->waitForFinished(1000);
        delete helper_;
        helper_ = nullptr;
    }
    if (systemTimerArmed_) {
        systemTimerArmed_ = false;
        QDBusMessage stop = QDBusMessage::createMethodCall(kSystemd, kSystemdPath, kSystemdManager,
                                                           QStringLiteral("StopUnit"));
        stop << kTimerUnit << QStringLiteral("replace");
        QDBusConnection::systemBus().call(stop, QDBus::Block, 3000);
    }
}

} // namespace kelvaro
