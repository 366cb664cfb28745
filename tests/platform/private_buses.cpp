#include "private_buses.h"
#include "qt_test_support.h"

#include <QFile>

#include <cstdlib>
#include <unistd.h>

PrivateBuses::PrivateBuses() {
    testApp();
    if (access("/usr/bin/dbus-daemon", X_OK) != 0) {
        why_ = "needs dbus-daemon";
        return;
    }
    if (QProcess::execute(QStringLiteral("/usr/bin/python3"),
                          {QStringLiteral("-c"), QStringLiteral("import dbusmock")}) != 0) {
        why_ = "needs python3-dbusmock";
        return;
    }
    if (!startBus(systemBus_, QStringLiteral("system"), systemAddress_) ||
        !startBus(sessionBus_, QStringLiteral("session"), sessionAddress_)) {
        why_ = "dbus-daemon did not start";
        return;
    }
    QDBusConnection::connectToBus(systemAddress_, QStringLiteral("kelvaro-test-system"));
    QDBusConnection::connectToBus(sessionAddress_, QStringLiteral("kelvaro-test-session"));
}

PrivateBuses::~PrivateBuses() {
    QDBusConnection::disconnectFromBus(QStringLiteral("kelvaro-test-system"));
    QDBusConnection::disconnectFromBus(QStringLiteral("kelvaro-test-session"));
    for (auto& m : mocks_) {
        m->kill();
        m->waitForFinished(2000);
    }
    for (QProcess* p : {&sessionBus_, &systemBus_}) {
        if (p->state() == QProcess::NotRunning) continue;
        p->kill();
        p->waitForFinished(2000);
    }
}

bool PrivateBuses::startBus(QProcess& bus, const QString& file, QString& address) {
    bus.start(QStringLiteral("/usr/bin/dbus-daemon"),
              {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
               QStringLiteral("--address=unix:path=") + dir_.filePath(file),
               QStringLiteral("--print-address=1")});
    if (!bus.waitForReadyRead(5000)) return false;
    address = QString::fromUtf8(bus.readLine().trimmed());
    return !address.isEmpty();
}

bool PrivateBuses::mock(const QString& name, const QStringList& args, bool session) {
    auto process = std::make_unique<QProcess>();
    QStringList all = {QStringLiteral("-m"), QStringLiteral("dbusmock")};
    all << args;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), systemAddress_);
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), sessionAddress_);
    process->setProcessEnvironment(env);
    process->start(QStringLiteral("/usr/bin/python3"), all);
    QProcess* p = process.get();
    mocks_.push_back(std::move(process));
    return processEventsUntil([&] { return hasName(name, session) || p->state() == QProcess::NotRunning; },
                              8000) &&
           p->state() != QProcess::NotRunning;
}

QString PrivateBuses::send(const QStringList& args, bool session) const {
    QProcess ask;
    QStringList all = {QStringLiteral("--bus=") + (session ? sessionAddress_ : systemAddress_),
                       QStringLiteral("--print-reply=literal")};
    all << args;
    ask.start(QStringLiteral("dbus-send"), all);
    ask.waitForFinished(3000);
    return QString::fromUtf8(ask.readAllStandardOutput());
}

bool PrivateBuses::hasName(const QString& name, bool session) const {
    return send({QStringLiteral("--dest=org.freedesktop.DBus"), QStringLiteral("/"),
                 QStringLiteral("org.freedesktop.DBus.NameHasOwner"), QStringLiteral("string:") + name},
                session)
        .contains(QStringLiteral("true"));
}

void PrivateBuses::becomeDefault() const {
    setenv("DBUS_SYSTEM_BUS_ADDRESS", systemAddress_.toUtf8().constData(), 1);
    setenv("DBUS_SESSION_BUS_ADDRESS", sessionAddress_.toUtf8().constData(), 1);
}

QString PrivateBuses::read(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
