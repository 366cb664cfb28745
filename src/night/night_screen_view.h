#pragma once
// The night screen on the display: black over the whole screen, the pointer
// hidden, the labels drawn dim where the night screen's layout puts them at
// their measured sizes. Keys, buttons, moves and the loss of focus go to the
// night screen's handlers.
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace kelvaro {

class Application;
class ProgramView;
class SurfaceIdleInhibitor;
struct Control;

class NightScreenView : public QWidget {
  public:
    NightScreenView(Application& app, ProgramView& view);
    ~NightScreenView() override;
    // Keeps the screen on through the window system while it is shown (the night screen
    // asks the power adapter, which asks here besides the session bus).
    void holdIdle(bool hold);
    bool holdsIdle() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void sync();
    void measure();
    void focusLeft();
    void run(const char* operation, const std::vector<std::string>& args = {});

    Application& app_;
    ProgramView& view_;
    std::unique_ptr<SurfaceIdleInhibitor> idle_;
    bool idleWanted_ = false;
};

} // namespace kelvaro
