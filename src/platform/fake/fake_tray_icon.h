#pragma once
// A tray that records what the program shows in it; tests click it with click().
#include "platform/tray_icon.h"

#include <string>

namespace kelvaro {

class FakeTrayIcon : public TrayIcon {
  public:
    bool available() const override { return available_; }
    void show() override { visible_ = available_; }
    void hide() override { visible_ = false; }
    void setTip(const std::string& tip) override { tip_ = tip; }
    void popUpMenu(const std::string& menu, const std::string& defaultItem, int x, int y) override {
        menu_ = menu;
        defaultItem_ = defaultItem;
        menuX_ = x;
        menuY_ = y;
        ++popUps_;
    }
    ScreenSize screenSize() const override { return screen_; }
    bool opensMenuItself() const override { return hostMenu_; }
    void handOverMenu(const std::string& menu, const std::string& defaultItem) override {
        handedMenu_ = menu;
        defaultItem_ = defaultItem;
    }

    void setAvailable(bool available) {
        available_ = available;
        visible_ = visible_ && available;
    }
    void setHostMenu(bool hostMenu) { hostMenu_ = hostMenu; }
    const std::string& handedMenu() const { return handedMenu_; }
    void setScreenSize(ScreenSize size) { screen_ = size; }
    void click(TrayEvent event) {
        if (onEvent) onEvent(event);
    }

    bool visible() const { return visible_; }
    const std::string& tip() const { return tip_; }
    const std::string& menu() const { return menu_; }
    const std::string& defaultItem() const { return defaultItem_; }
    int menuX() const { return menuX_; }
    int menuY() const { return menuY_; }
    int popUps() const { return popUps_; }

  private:
    bool available_ = true;
    bool hostMenu_ = false;
    std::string handedMenu_;
    bool visible_ = false;
    std::string tip_, menu_, defaultItem_;
    int menuX_ = 0, menuY_ = 0, popUps_ = 0;
    ScreenSize screen_{1024, 768};
};

} // namespace kelvaro
