#pragma once
// The tray icon on a Linux desktop: QSystemTrayIcon, which registers a
// StatusNotifierItem where a watcher runs and embeds itself (XEmbed) in an X11 tray otherwise.
#include "platform/tray_icon.h"

#include <QObject>
#include <QSystemTrayIcon>

#include <functional>

class QAction;
class QMenu;

namespace kelvaro {

class LinuxTrayIcon : public QObject, public TrayIcon {
    Q_OBJECT

  public:
    LinuxTrayIcon();
    ~LinuxTrayIcon() override;

    bool available() const override;
    void show() override;
    void hide() override;
    void setTip(const std::string& tip) override;
    void popUpMenu(const std::string& menu, const std::string& defaultItem, int x, int y) override;
    ScreenSize screenSize() const override;

    // Where the menus are, and how a click runs as the user's action (with the windows refreshed after).
    struct Wiring {
        std::function<QMenu*(const std::string&)> menu;
        std::function<QAction*(const std::string&)> action;
        std::function<void(const std::function<void()>&)> runAsUser;
    };
    void wire(Wiring wiring) { wiring_ = std::move(wiring); }

  private:
    void activated(QSystemTrayIcon::ActivationReason reason);

    QSystemTrayIcon icon_;
    Wiring wiring_;
};

} // namespace kelvaro
