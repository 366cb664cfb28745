#pragma once
// The city clock's window: a small frameless tool window, always on top and with
// no taskbar button, standing at the bottom right of the screen's free area (above
// a panel) and right-aligned as its width changes. On Wayland it is a layer surface
// where the compositor offers them, and not shown at all where it does not (GNOME). It shows the main
// window's `PanelKV` control and hands the mouse back to that control's handlers.
#include "framework/control.h"

#include <QElapsedTimer>
#include <QObject>
#include <QRect>
#include <QWidget>

#include <memory>
#include <optional>

class QScreen;

namespace kelvaro {

class Application;
class Form;
struct Control;
class ProgramView;
class LayerSurface;

class CityClockWindow : public QWidget {
  public:
    CityClockWindow(Application& app, ProgramView& view, const Control& panel);
    void setAreaLeft(int left) { areaLeft_ = left; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void mouse(int event, QMouseEvent* e, bool withButtons);

    Application& app_;
    ProgramView& view_;
    const Control& panel_;
    QPoint pressedAt_;
    bool moved_ = false;
    int areaLeft_ = 0;
};

class CityClockView : public QObject {
  public:
    // Lives as long as `view` (its child).
    CityClockView(ProgramView& view, const Control& panel);
    ~CityClockView() override;
    QWidget* window() const { return window_.get(); }
    void sync();

  private:
    void tellArea();

    Application& app_;
    ProgramView& view_;
    const Control& panel_;
    std::unique_ptr<CityClockWindow> window_;
    QScreen* screen_ = nullptr;
    std::optional<Control> painted_; // the panel as last put on screen
    QRect area_;                     // the screen's free area, kept up to date by its signal
    QRect paintedArea_;
    // On Wayland with layer surfaces (KDE, wlroots) the window is painted onto one instead
    // of being shown: a plain window there would be placed, stacked and focused at random.
    std::unique_ptr<LayerSurface> layer_;
    QRect layerPlace_;
    QElapsedTimer lastPress_;
    void pointer(int type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons);
};

// The city clock on the desktop, and a stand-in for its panel inside the main window;
// nothing when the program hands the views no taskbar clock.
void registerCityClockView(ProgramView& view);

} // namespace kelvaro
