#include "ui/input_router.h"

#include "app/view_hooks.h"
#include "ui/control_widgets.h"
#include "ui/key_names.h"
#include "ui/program_view.h"
#include "ui/qt_convert.h"
#include "ui/text_cursor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

namespace kelvaro {

namespace {

constexpr int kHintsNeverPause = 60000; // ms; longer than anyone holds the pointer still

bool isTextWidget(QWidget* w) {
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w)) return true;
    auto* box = qobject_cast<QComboBox*>(w);
    return box && box->isEditable();
}

// Controls that take a press themselves rather than letting it move the window.
bool takesMouse(const Control& c) {
    return !c.handler(Event::Click).empty() || !c.handler(Event::MouseDown).empty() ||
           !c.handler(Event::DblClick).empty();
}

} // namespace

InputRouter::InputRouter(ProgramView& view) : QObject(&view), view_(view), app_(view.application()) {}

void InputRouter::bind(Control& control, QWidget* widget) {
    view_.widgets_.watch(widget, control, this);
    bindSignals(control, widget);
}

void InputRouter::watchWindow(FormWindow* window) {
    window->installEventFilter(this);
    window->body()->installEventFilter(this);
}

void InputRouter::forgetWindow(FormWindow* window) {
    window->removeEventFilter(this);
    window->body()->removeEventFilter(this);
}

void InputRouter::dragByHand(FormWindow* window) {
    dragging_ = window;
    dragOffset_ = QCursor::pos() - window->pos();
}

void InputRouter::user(const std::function<void()>& action) {
    view_.user(action);
}

// The control's name, for the application's user operations (which scripts call by name too).
std::string InputRouter::controlOf(QObject* object) const {
    const Control* c = view_.widgets_.controlOf(object);
    return c ? c->name : std::string();
}

bool InputRouter::isWatched(QWidget* widget) const {
    return view_.widgets_.isWatched(widget) || view_.isFormWindow(widget);
}

void InputRouter::bindSignals(Control& control, QWidget* widget) {
    const std::string name = control.name;
    switch (control.kind) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            connect(button, &QAbstractButton::clicked, this,
                    [this, name] { user([=, this] { app_.userClick(name); }); });
        break;
    case ControlKind::ComboBox:
        if (auto* box = qobject_cast<QComboBox*>(widget)) {
            connect(box, &QComboBox::activated, this, [this, name, box](int index) {
                const QVariant english = box->itemData(index); // the item's own text, before translation
                const std::string value =
                    stdString(english.isValid() ? english.toString() : box->itemText(index));
                user([=, this] { app_.userChoose(name, value); });
            });
            if (box->lineEdit()) bindTextBox(name, box->lineEdit());
        }
        break;
    case ControlKind::Edit:
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) bindTextBox(name, edit);
        break;
    case ControlKind::UpDown:
        if (auto* arrows = dynamic_cast<UpDownWidget*>(widget)) {
            connect(arrows->up(), &QToolButton::clicked, this,
                    [this, name] { user([=, this] { app_.userUpDown(name, true); }); });
            connect(arrows->down(), &QToolButton::clicked, this,
                    [this, name] { user([=, this] { app_.userUpDown(name, false); }); });
        }
        break;
    case ControlKind::TrackBar:
        if (auto* bar = qobject_cast<QSlider*>(widget))
            connect(bar, &QSlider::valueChanged, this,
                    [this, name](int value) { user([=, this] { app_.userSlide(name, value); }); });
        break;
    case ControlKind::Grid:
        if (auto* grid = qobject_cast<QTableWidget*>(widget)) {
            connect(grid, &QTableWidget::cellClicked, this, [this, name](int row, int col) {
                user([=, this] {
                    Control& g = app_.ctl(name);
                    g.row = row + 1; // row 0 is the header row
                    g.col = col;
                    selectWholeCell(g); // a new selection: the next key replaces the cell
                    app_.userClick(name);
                });
            });
            connect(grid, &QTableWidget::cellDoubleClicked, this,
                    [this, name](int, int) { user([=, this] { app_.userDblClick(name); }); });
            // The right button on a row: the grid's mouse-down handler with "right" (the music list's moves).
            if (!control.handler(Event::MouseDown).empty()) {
                grid->setContextMenuPolicy(Qt::CustomContextMenu);
                connect(grid, &QWidget::customContextMenuRequested, this,
                        [this, name, grid](const QPoint& at) {
                            const int row = grid->rowAt(at.y());
                            if (row < 0) return;
                            user([=, this] {
                                Control& g = app_.ctl(name);
                                g.row = row + 1; // row 0 is the header row
                                app_.run(g.handler(Event::MouseDown), {"right"});
                            });
                        });
            }
        }
        break;
    case ControlKind::PageControl:
        bindPages(control, widget);
        break;
    default:
        break;
    }
}

void InputRouter::bindTextBox(const std::string& name, QLineEdit* edit) {
    connect(edit, &QLineEdit::textEdited, this, [this, name, edit](const QString& text) {
        user([=, this] {
            app_.userEditText(name, stdString(text));
            takeCursor(app_.ctl(name), edit);
        });
    });
    // The user's cursor moves and selections go to the model as they happen; no handler runs.
    auto moved = [this, name, edit] {
        if (view_.refreshing_) return;
        if (Control* c = app_.find(name)) takeCursor(*c, edit);
    };
    connect(edit, &QLineEdit::cursorPositionChanged, this, moved);
    connect(edit, &QLineEdit::selectionChanged, this, moved);
}

void InputRouter::bindPages(Control& pageControl, QWidget* widget) {
    auto* tabs = qobject_cast<QTabWidget*>(widget);
    if (!tabs) return;
    const std::string name = pageControl.name;
    const std::string form = pageControl.form;
    connect(tabs, &QTabWidget::currentChanged, this, [this, name, form, tabs](int index) {
        const std::string sheet = controlOf(tabs->widget(index));
        if (sheet.empty()) return;
        user([=, this] {
            app_.form(form).activePage = sheet;
            app_.touch();
            app_.fire(name, Event::Change);
        });
    });
}

bool InputRouter::eventFilter(QObject* watched, QEvent* event) {
    auto* target = qobject_cast<QWidget*>(watched);
    if (!target || view_.refreshing_) return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return handleKey(target, event);
    case QEvent::WindowStateChange:
        view_.windowStateChanged(target);
        return false;
    case QEvent::ToolTip:
        // "Use PopUp Hints" off sets a pause no pointer waits out: no hint at all.
        return app_.main.hintPause >= kHintsNeverPause;
    case QEvent::Move:
        view_.windowMoved(target);
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return handleMouse(target, event);
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // Leaving for another window (a message box, a menu) is no exit from the control;
        // coming back, or the window's first focus, does enter it when the model missed that.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const bool in = event->type() == QEvent::FocusIn;
        if (reason == Qt::PopupFocusReason || (!in && reason == Qt::ActiveWindowFocusReason)) return false;
        const std::string name = controlOf(watched);
        if (name.empty()) return false;
        // After Qt has finished moving the focus: an Exit handler may open a box.
        QTimer::singleShot(0, this, [this, name, in] {
            Control* c = app_.find(name);
            if (!c) return;
            if (in && c->enabled && app_.focused() != name)
                user([=, this] {
                    app_.userFocus(name);
                    keepWidgetCursor(name); // a click placed it; focus alone would put it at the end
                });
            if (!in && app_.focused() == name) user([=, this] { app_.userLeave(name); });
        });
        return false;
    }
    default:
        return false;
    }
}

bool InputRouter::handleKey(QWidget* target, QEvent* event) {
    // A key the focused widget did not take travels up through its parents: only
    // the nearest watched one routes it, and only once.
    QWidget* router = QApplication::focusWidget();
    while (router && !isWatched(router))
        router = router->parentWidget();
    if (router && router != target && target->isAncestorOf(router)) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    // Ctrl+Tab turns the notebook's page, from a grid too, whose cells would take it.
    if (tab && (key->modifiers() & Qt::ControlModifier) && qobject_cast<QTableWidget*>(target))
        for (QWidget* w = target->parentWidget(); w; w = w->parentWidget())
            if (auto* pages = qobject_cast<QTabWidget*>(w)) return QCoreApplication::sendEvent(pages, event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    // Tab moves the focus, as in any form; only a grid takes it as a key of its own.
    if (tab && !qobject_cast<QTableWidget*>(target)) return false;
    const std::optional<std::string> name = modelKeyName(*key);
    if (!name) return false;
    const std::string control = controlOf(target);
    bool swallowed = false;
    user([&, this] {
        Control* c = control.empty() ? nullptr : app_.find(control);
        if (c && c->enabled && app_.focused() != control) {
            app_.userFocus(control);
            keepWidgetCursor(control);
        }
        const bool typesIntoCell = c && c->kind == ControlKind::Grid && typesCharacter(*name) && !c->readOnly;
        if (typesIntoCell) typeIntoCell(*c, *name);
        swallowed = app_.userKey(*name);
        // Moving keys end the typing into a cell: the next key replaces the cell it reaches.
        if (c && c->kind == ControlKind::Grid && !typesIntoCell) selectWholeCell(*c);
    });
    // A swallowed key reaches no widget (Space would still tick a check box); the
    // model types characters into text boxes itself.
    // Nor do grids, whose own key search would jump to a cell that starts with the letter.
    const bool modelTypes = isTextWidget(target) || qobject_cast<QTableWidget*>(target);
    return swallowed || (typesCharacter(*name) && modelTypes);
}

// Typing goes in at the cell's cursor; a freshly selected cell is selected whole,
// so its first key replaces it. The grid's key handlers then see the cell as it now reads.
void InputRouter::typeIntoCell(Control& grid, const std::string& key) {
    if (grid.row < 0 || grid.row >= static_cast<int>(grid.cells.size()) || grid.col < 0) return;
    auto& row = grid.cells[static_cast<size_t>(grid.row)];
    if (static_cast<size_t>(grid.col) >= row.size()) row.resize(static_cast<size_t>(grid.col) + 1);
    const std::string typed = key == "Space" ? " " : key == "Backspace" ? "" : key;
    int cursor = grid.cursor, selLength = grid.selLength;
    typeAtCursor(row[static_cast<size_t>(grid.col)], cursor, selLength, typed);
    grid.cursor = cursor;
    grid.selLength = selLength;
    app_.touch();
}

void InputRouter::selectWholeCell(Control& grid) {
    const std::string* cell = nullptr;
    if (grid.row >= 0 && grid.row < static_cast<int>(grid.cells.size()) && grid.col >= 0) {
        const auto& row = grid.cells[static_cast<size_t>(grid.row)];
        if (static_cast<size_t>(grid.col) < row.size()) cell = &row[static_cast<size_t>(grid.col)];
    }
    grid.cursor = cell && !cell->empty() ? 0 : -1;
    grid.selLength = cell ? static_cast<int>(cell->size()) : 0;
}

// After the model's focus: the widget's cursor is where the user put it.
void InputRouter::keepWidgetCursor(const std::string& control) {
    Control* c = app_.find(control);
    QWidget* w = c ? view_.widget(*c) : nullptr;
    auto* edit = qobject_cast<QLineEdit*>(w);
    if (auto* box = qobject_cast<QComboBox*>(w)) edit = box->lineEdit();
    if (c && edit) takeCursor(*c, edit);
}

bool InputRouter::handleMouse(QWidget* target, QEvent* event) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (dragging_) {
        if (event->type() == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton)) {
            dragging_->move(mouse->globalPosition().toPoint() - dragOffset_);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) dragging_ = nullptr;
        return false;
    }
    if (mouse->button() != Qt::LeftButton) return false;
    const std::string name = controlOf(target);
    Control* c = name.empty() ? nullptr : app_.find(name);
    if (c) {
        if (qobject_cast<QAbstractButton*>(target) || qobject_cast<QComboBox*>(target) || !takesMouse(*c))
            return false;
        if (!c->enabled) return true;
        if (event->type() == QEvent::MouseButtonPress)
            user([=, this] { app_.fire(name, Event::MouseDown); });
        else if (event->type() == QEvent::MouseButtonRelease &&
                 target->rect().contains(mouse->position().toPoint()))
            user([=, this] { app_.userClick(name); });
        else if (event->type() == QEvent::MouseButtonDblClick)
            user([=, this] { app_.userDblClick(name); });
        return true;
    }
    // A press on the bare body of the main window: the picture behind it takes it.
    if (event->type() != QEvent::MouseButtonPress || app_.forms().empty()) return false;
    if (target != view_.mainBody()) return false;
    const auto& pressed = viewHooks(app_).mainBodyPressed;
    if (!pressed) return false;
    user(pressed);
    return true;
}

} // namespace kelvaro
