#pragma once
// A private system bus and session bus with python3-dbusmock services on them,
// for the adapters that talk to logind, UPower and the screen saver. Nothing
// reaches the machine's own buses. skipReason() says why when a tool is missing.
#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

class PrivateBuses {
  public:
    PrivateBuses();
    ~PrivateBuses();
    PrivateBuses(const PrivateBuses&) = delete;
    PrivateBuses& operator=(const PrivateBuses&) = delete;

    // Starts `python3 -m dbusmock ARGS` on the system (or session) bus and waits for NAME.
    bool mock(const QString& name, const QStringList& args, bool session = false);
    // Runs `dbus-send` on one bus; its printed reply.
    QString send(const QStringList& args, bool session = false) const;

    // Makes both buses this process's default ones, for adapters that use Qt's system and
    // session bus; call it before their first use (Qt connects to each once per process).
    void becomeDefault() const;
    // A file in the buses' private folder, e.g. for a mock's call log (`-l FILE`).
    QString file(const QString& name) const { return dir_.filePath(name); }
    static QString read(const QString& file);

    const std::string& skipReason() const { return why_; }
    QDBusConnection system() const { return QDBusConnection(QStringLiteral("kelvaro-test-system")); }
    // For adapters that use QDBusConnection::systemBus(): set DBUS_SYSTEM_BUS_ADDRESS before its first use.
    const QString& systemAddress() const { return systemAddress_; }
    QDBusConnection session() const { return QDBusConnection(QStringLiteral("kelvaro-test-session")); }

  private:
    bool startBus(QProcess& bus, const QString& file, QString& address);
    bool hasName(const QString& name, bool session) const;

    QTemporaryDir dir_;
    QProcess systemBus_, sessionBus_;
    QString systemAddress_, sessionAddress_;
    std::vector<std::unique_ptr<QProcess>> mocks_;
    std::string why_;
};
