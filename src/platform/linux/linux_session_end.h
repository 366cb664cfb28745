#pragma once
// The desktop session's question before it ends: the session manager's
// commitDataRequest (log out) and logind's PrepareForShutdown (while the
// program holds its shutdown delay).
#include "platform/power.h"

#include <QDBusConnection>
#include <QObject>

class QSessionManager;

namespace kelvaro {

class LinuxSessionEnd : public QObject, public SessionEnd {
    Q_OBJECT

  public:
    explicit LinuxSessionEnd(QDBusConnection system = QDBusConnection::systemBus());
    void later(std::function<void()> step) override;

  private slots:
    void prepareForShutdown(bool starting);

  private:
    void commitData(QSessionManager& manager);
};

} // namespace kelvaro
