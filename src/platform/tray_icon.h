#pragma once
// The program's icon in the desktop's tray (notification area): whether the
// desktop has one, the icon's tip, its pop-up menu, and the user's clicks.
#include <functional>
#include <string>

namespace kelvaro {

enum class TrayEvent { Click, DoubleClick, RightClick };

struct ScreenSize {
    int width = 0, height = 0;
};

class TrayIcon {
  public:
    virtual ~TrayIcon() = default;
    // False on a desktop without a tray: a hidden window could not be brought back.
    virtual bool available() const = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual void setTip(const std::string& tip) = 0;
    // Opens the main window's pop-up menu `menu` with its top-left corner at (x, y).
    virtual void popUpMenu(const std::string& menu, const std::string& defaultItem, int x, int y) = 0;
    // True where the desktop's tray opens the icon's menu itself, where the tray is (a
    // StatusNotifierItem host through its menu protocol, an X11 tray through the toolkit):
    // the program then hands the menu over once instead of opening it at a place of its own.
    virtual bool opensMenuItself() const { return false; }
    virtual void handOverMenu(const std::string& /*menu*/, const std::string& /*defaultItem*/) {}
    virtual ScreenSize screenSize() const = 0;

    // Set by the program; the icon calls it for each click of the user.
    std::function<void(TrayEvent)> onEvent;
};

} // namespace kelvaro
