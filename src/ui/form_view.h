#pragma once
// What the view keeps per form, shared by the pieces that each write part of it:
// the widgets (bound_widgets.h), the controls' state (control_differ.h), the
// window's place and size (window_placement.h) and its shown state (minimise_policy.h).
#include "framework/form.h"
#include "ui/control_widgets.h"
#include "ui/menu_view.h"

#include <QPoint>
#include <QSize>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QMenuBar;
class QWidget;

namespace kelvaro {

using WidgetUpdate = std::function<void(QWidget* widget, const Control& control)>;

// A control's widget and the control as last written to it.
struct BoundWidget {
    const Form* form = nullptr;
    std::string name; // the control's, to tell a new control at a freed control's address
    QWidget* widget = nullptr;
    bool custom = false;
    std::optional<Control> shown;
};

// A shown control with its widget, listed once per change of the form's controls.
struct Slot {
    Control* control;
    BoundWidget* bound;
    const WidgetUpdate* update; // a custom widget's, else nullptr
};

struct FormView {
    Form* form = nullptr;
    std::unique_ptr<FormWindow> window;
    std::unique_ptr<MenuView> menus;
    bool shownModal = false;
    bool flagsSet = false;
    Qt::WindowFlags flags;        // as set: Qt adds hints of its own to windowFlags()
    bool onScreenChecked = false; // the first show, once the frame is known
    QMenuBar* sizedBar = nullptr;
    bool menusBuilt = false;
    int barHeight = 0;
    bool minimizedShown = false;
    QPoint placedAt{-1, -1};
    QSize sizedTo;
    std::vector<Slot> bound;            // the controls with widgets, in creation order
    std::vector<Control*> pageControls; // listed with them
    std::string title;                  // the caption last given to the window
    bool boundListed = false;
    unsigned boundStructure = 0; // the form's structure() when listed
};

} // namespace kelvaro
