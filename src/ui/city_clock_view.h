#pragma once
// The city clock's window: a small frameless tool window, always on top and with
// no taskbar button, standing at the bottom right of the screen's free area (above
// a panel) and right-aligned as its width changes. It shows the main window's
// `PanelKV` control and hands the mouse back to that control's handlers.
#include "framework/control.h"

#include <QImage>
#include <QObject>
#include <QRect>
#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QScreen;

namespace kelvaro {

class Application;
class Form;
class ProgramView;
class ServerPixmapCopier;

class CityClockWindow : public QWidget {
  public:
    explicit CityClockWindow(Application& app, ProgramView& view);
    void setAreaLeft(int left) { areaLeft_ = left; }
    // The panel's whole look with `caption`, as its paint draws it.
    QImage picture(const Control& panel, const QString& caption) const;
    // After each paint of the whole panel.
    std::function<void()> onPainted;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void mouse(int event, QMouseEvent* e, bool withButtons);
    void paintPanel(QPainter& p, const Control& panel, const QString& caption) const;

    Application& app_;
    ProgramView& view_;
    QPoint pressedAt_;
    bool moved_ = false;
    int areaLeft_ = 0;
};

class CityClockView : public QObject {
  public:
    // Lives as long as `view` (its child).
    // `coming` tells the captions of the minutes after the one shown (the program's taskbar
    // clock by default), whose pictures are made ahead.
    using ComingCaptions = std::function<std::vector<std::string>(std::size_t most)>;
    explicit CityClockView(ProgramView& view, ComingCaptions coming = {});
    ~CityClockView() override;
    QWidget* window() const { return window_.get(); }
    void sync();

  private:
    void tellArea();
    const Control* panel();
    bool copyCaption(const Control& panel);
    void prepareCopies();

    Application& app_;
    ProgramView& view_;
    std::unique_ptr<CityClockWindow> window_;
    ComingCaptions coming_;
    ServerPixmapCopier* copier_ = nullptr; // the window's child, made after its first paint
    bool preparing_ = false;
    QScreen* screen_ = nullptr;
    std::optional<Control> painted_; // the panel as last put on screen
    std::uint64_t paintedStamp_ = 0;
    // Where the panel was found: it stays there while no form is made, dropped or changes its controls.
    QRect area_; // the screen's free area, kept up to date by its signal
    const Control* panel_ = nullptr;
    bool panelListed_ = false;
    unsigned panelStructure_ = 0; // Form::anyStructure() when the panel was looked for
    QRect paintedArea_;
};

// The city clock on the desktop, and a stand-in for `PanelKV` inside the main window.
void registerCityClockView(ProgramView& view, CityClockView::ComingCaptions coming = {});

} // namespace kelvaro
