#pragma once
// Notifications through org.freedesktop.Notifications on the session bus. With
// no bus or no notification service nothing is shown and nothing fails.
#include "platform/notifier.h"

#include <QObject>
#include <QString>

#include <set>

namespace kelvaro {

class DBusNotifier : public QObject, public Notifier {
    Q_OBJECT
  public:
    explicit DBusNotifier(QString appName = QStringLiteral("Kelvaro Clock"), QObject* parent = nullptr);

    std::uint32_t show(const std::string& title, const std::string& body,
                       const std::vector<NotificationAction>& actions) override;
    void close(std::uint32_t id) override;
    void onAction(ActionHandler handler) override { handler_ = std::move(handler); }

  private slots:
    void actionInvoked(uint id, const QString& key);
    void notificationClosed(uint id, uint reason);

  private:
    void listen();

    QString appName_;
    bool listening_ = false;
    std::set<std::uint32_t> open_; // ours, not yet closed: other programs' buttons are not ours
    ActionHandler handler_;
};

} // namespace kelvaro
