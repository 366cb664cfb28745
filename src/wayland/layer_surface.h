#pragma once
// A picture standing on the desktop's overlay layer, anchored at the bottom right of the
// output, taking no keyboard focus: the wlroots layer-shell protocol (KDE Plasma, sway and the
// other wlroots desktops), spoken over a connection of its own so Qt's windows are untouched.
// The program paints the picture; the pointer's presses, moves and releases come back.
#include <QImage>
#include <QObject>
#include <QPoint>

#include <functional>
#include <memory>

namespace kelvaro {

class LayerSurface : public QObject {
  public:
    // Whether the compositor the program runs on offers layer surfaces (false off Wayland).
    static bool offered();

    LayerSurface();
    ~LayerSurface() override;
    // False when the connection or a needed global is missing: nothing is shown then.
    bool ok() const;
    // Shows `picture` (its size is the surface's) `rightMargin` and `bottomMargin` pixels from
    // the output's bottom-right corner; again with a new picture to repaint.
    void show(const QImage& picture, int rightMargin, int bottomMargin);
    void hide();
    bool shown() const;

    enum class PointerEvent { Press, Move, Release };
    // A pointer event at `at` (surface pixels) with the button that changed and those held.
    std::function<void(PointerEvent, QPoint at, Qt::MouseButton, Qt::MouseButtons)> onPointer;

    struct Client; // the connection and its objects (layer_surface.cpp)

  private:
    std::unique_ptr<Client> client_;
};

} // namespace kelvaro
