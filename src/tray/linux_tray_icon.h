#pragma once
// The tray icon on a Linux desktop: QSystemTrayIcon, which registers a
// StatusNotifierItem where a watcher runs and embeds itself (XEmbed) in an X11 tray otherwise.
#include "platform/tray_icon.h"

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

#include <functional>

class QAction;

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
    // Qt hands a menu set on the icon to a StatusNotifierItem host (dbusmenu) and opens it
    // itself beside an XEmbed icon: either way the desktop places it.
    bool opensMenuItself() const override { return true; }
    void handOverMenu(const std::string& menu, const std::string& defaultItem) override;

    // Where the menus are, and how a click runs as the user's action (with the windows refreshed after).
    struct Wiring {
        std::function<QMenu*(const std::string&)> menu;
        std::function<QAction*(const std::string&)> action;
        std::function<void(const std::function<void()>&)> runAsUser;
    };
    void wire(Wiring wiring) {
        wiring_ = std::move(wiring);
        syncMenu();
    }

  private:
    void activated(QSystemTrayIcon::ActivationReason reason);
    // Gives the icon the view's present menu: the view makes its menus anew when they change.
    void syncMenu();

    QMenu menu_; // made before the icon and gone after it: the icon refers to it to the end
    QSystemTrayIcon icon_;
    QPointer<QMenu> shownSource_;
    Wiring wiring_;
    std::string menuName_, defaultItem_;
};

} // namespace kelvaro
