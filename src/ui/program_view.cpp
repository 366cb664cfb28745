#include "ui/program_view.h"

#include "app/timer_controls.h"
#include "platform/linux/translation.h"
#include "platform/no_services.h"
#include "ui/control_sync.h"
#include "ui/control_widgets.h"
#include "ui/form_label.h"
#include "ui/menu_view.h"
#include "ui/qt_convert.h"
#include "ui/server_pixmap_copier.h"
#include "ui/timer_host.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QWindow>

#include <algorithm>

namespace kelvaro {

struct ProgramView::FormView {
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
    std::vector<const Control*> face;   // the clock's labels, listed with them
    std::string title;                  // the caption last given to the window
    bool boundListed = false;
    unsigned boundStructure = 0; // the form's structure() when listed
};

namespace {

// Restores the flag on every way out, exceptions included.
class Raise {
  public:
    explicit Raise(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~Raise() { flag_ = old_; }
    Raise(const Raise&) = delete;
    Raise& operator=(const Raise&) = delete;

  private:
    bool& flag_;
    bool old_;
};

// The plate behind the main window's clock: around the time, seconds and date labels.
std::vector<const Control*> clockLabels(const Form& form) {
    std::vector<const Control*> labels;
    for (const char* name : {"LabelTime", "LabelSeconds", "LabelDate"})
        if (const Control* c = form.find(name)) labels.push_back(c);
    return labels;
}

QRect clockFace(const std::vector<const Control*>& labels) {
    QRect face;
    for (const Control* c : labels)
        if (c->visible && c->width > 0 && c->height > 0) face |= QRect(c->left, c->top, c->width, c->height);
    return face.isEmpty() ? face : face.adjusted(-12, -6, 6, 6);
}

} // namespace

ProgramView::ProgramView(Application& app) : app_(app) {
    app_.platform().host = this;
    timers_ = std::make_unique<TimerHost>(
        app_, [this](const std::string& timer) { user([this, timer] { timerTick(app_, timer); }); });
    refreshAll();
}

ProgramView::~ProgramView() {
    if (app_.platform().host == this) app_.platform().host = &noWindowHost();
    for (auto& [name, view] : forms_)
        view->window->removeEventFilter(this);
    names_.clear();
}

QWidget* ProgramView::window(const std::string& form) const {
    auto it = forms_.find(form);
    return it == forms_.end() ? nullptr : it->second->window.get();
}

QWidget* ProgramView::widget(const std::string& controlName) const {
    auto it = widgets_.find(controlName);
    return it == widgets_.end() ? nullptr : it->second.widget;
}

QAction* ProgramView::action(const std::string& menuItemName) const {
    for (const auto& [name, view] : forms_)
        if (QAction* a = view->menus->action(menuItemName)) return a;
    return nullptr;
}

QMenu* ProgramView::menu(const std::string& menuName) const {
    for (const auto& [name, view] : forms_)
        if (QMenu* m = view->menus->menu(menuName)) return m;
    return nullptr;
}

void ProgramView::setImage(const std::string& controlName, const QPixmap& pixmap) {
    images_[controlName] = pixmap;
    if (auto* image = dynamic_cast<ImageWidget*>(widget(controlName))) image->setPixmap(pixmap);
}

void ProgramView::foreseeCaptions(const Control& label, const std::vector<std::string>& captions) {
    QStringList texts;
    for (const std::string& caption : captions)
        texts.push_back(qs(caption));
    if (auto* built = dynamic_cast<FormLabel*>(widget(label.name))) built->foresee(texts);
    foreseen_[label.name] = std::move(texts);
}

void ProgramView::registerCustomWidget(const std::string& controlName, WidgetFactory factory,
                                       WidgetUpdate update) {
    custom_[controlName] = {std::move(factory), std::move(update)};
    auto it = widgets_.find(controlName);
    if (it != widgets_.end()) {
        // Replace the generic widget at the next refresh.
        if (QWidget* old = it->second.widget) {
            old->hide();
            std::erase_if(names_, [&](const auto& entry) { return entry.second == controlName; });
            old->deleteLater();
        }
        widgets_.erase(it);
        for (auto& [name, view] : forms_)
            view->boundListed = false;
    }
    refreshAll();
}

void ProgramView::registerOwnWindow(const std::string& form, std::function<void()> sync) {
    ownWindows_[form] = std::move(sync);
    formEntries_.clear();
    refreshAll();
}

void ProgramView::refresh() {
    if (everRefreshed_ && app_.revision == shownRevision_ && !minimizeWaits_) return;
    sync(false);
}

void ProgramView::refreshAll() {
    sync(true);
}

// Without `force` only controls that changed since they were last written are
// written again (the tick's path: a second costs a few labels). With it every
// widget is compared, which also puts back what a widget changed on its own.
void ProgramView::sync(bool force) {
    if (refreshing_) return;
    Raise guard(refreshing_);
    const ServerPixmapCopier::Batch copies; // the seconds and the lamp in one write
    everRefreshed_ = true;
    shownRevision_ = app_.revision;
    minimizeWaits_ = false;
    // By index: an own window's sync may register another, which lists the forms again.
    listForms();
    for (std::size_t i = 0; i < formEntries_.size(); ++i) {
        const FormEntry entry = formEntries_[i];
        if (entry.own)
            (*entry.own)();
        else
            syncForm(*entry.form, *entry.view, force);
    }
    timers_->sync();
    for (const auto& synced : synced_)
        synced();
}

void ProgramView::listForms() {
    const auto& forms = app_.forms();
    bool same = formEntries_.size() == forms.size();
    for (std::size_t i = 0; same && i < forms.size(); ++i)
        same = formEntries_[i].form == forms[i].get();
    if (same) return;
    formEntries_.clear();
    for (const auto& form : forms) {
        auto own = ownWindows_.find(form->name);
        formEntries_.push_back({form.get(), own != ownWindows_.end() ? &own->second : nullptr,
                                own != ownWindows_.end() ? nullptr : &formView(*form)});
    }
}

ProgramView::FormView& ProgramView::formView(Form& form) {
    auto& slot = forms_[form.name];
    if (!slot) {
        slot = std::make_unique<FormView>();
        slot->window = std::make_unique<FormWindow>();
        FormWindow* w = slot->window.get();
        w->setObjectName(qs(form.name));
        w->installEventFilter(this);
        w->body()->installEventFilter(this);
        const std::string name = form.name;
        const bool isMain = app_.forms().front()->name == name;
        w->onUserClose = [this, name, isMain] {
            user([this, name, isMain] {
                if (isMain && app_.hasOperation("CloseMainWindow"))
                    app_.run("CloseMainWindow");
                else
                    app_.closeForm(name);
            });
        };
        slot->menus = std::make_unique<MenuView>(
            [this](const std::string& item) { user([this, item] { app_.userClick(item); }); },
            [this](const std::string& menu) {
                Control* c = app_.find(menu);
                if (c && !c->handler(Event::Click).empty()) user([this, menu] { app_.userClick(menu); });
            });
    }
    return *slot;
}

void ProgramView::syncForm(Form& form, FormView& view, bool force) {
    const bool shown = form.visible || view.window->isVisible();
    // Pop-up menus serve hidden windows too; they open on a user action, which forces a sync.
    if (shown || force || !view.menusBuilt) view.menus->sync(form, view.window.get(), force);
    view.menusBuilt = true;
    // A window not shown is built, and kept in step, from its first show on.
    if (!shown) return;
    if (!view.boundListed || view.boundStructure != form.structure()) listBound(form, view);
    syncControls(form, view, force);
    syncWindow(form, view, force);
}

void ProgramView::dropRemoved(Form& form) {
    for (auto it = widgets_.begin(); it != widgets_.end();) {
        if (it->second.form != form.name || form.find(it->first)) {
            ++it;
            continue;
        }
        const std::string name = it->first;
        if (QWidget* w = it->second.widget) {
            w->hide();
            w->deleteLater(); // a nested event loop may still hold it
        }
        std::erase_if(names_, [&](const auto& entry) { return entry.second == name; });
        it = widgets_.erase(it);
    }
}

QWidget* ProgramView::containerFor(Form& form, FormView& view, const Control& control) {
    if (!control.parent.empty())
        if (Control* parent = form.find(control.parent)) {
            auto it = widgets_.find(parent->name);
            QWidget* w = it != widgets_.end() ? it->second.widget : build(form, view, *parent);
            if (w) return w;
        }
    return view.window->body();
}

QWidget* ProgramView::build(Form& form, FormView& view, Control& control) {
    Bound bound;
    bound.form = form.name;
    if (control.kind == ControlKind::TabSheet) {
        auto* tabs = qobject_cast<QTabWidget*>(containerFor(form, view, control));
        if (tabs) {
            bound.widget = new QWidget;
            tabs->addTab(bound.widget, translated(control.caption));
        }
    } else {
        QWidget* parent = containerFor(form, view, control);
        auto custom = custom_.find(control.name);
        if (custom != custom_.end()) {
            bound.widget = custom->second.first(parent, control);
            bound.custom = true;
        } else {
            bound.widget = createControlWidget(control, parent);
            if (auto foreseen = foreseen_.find(control.name); foreseen != foreseen_.end())
                if (auto* label = dynamic_cast<FormLabel*>(bound.widget)) label->foresee(foreseen->second);
        }
    }
    widgets_[control.name] = bound;
    if (!bound.widget) return nullptr;
    bound.widget->setObjectName(qs(control.name));
    if (auto* image = dynamic_cast<ImageWidget*>(bound.widget)) {
        auto pic = images_.find(control.name);
        if (pic != images_.end()) image->setPixmap(pic->second);
    }
    if (control.kind != ControlKind::TabSheet) bound.widget->show();
    watch(bound.widget, control.name);
    bindSignals(control, bound.widget);
    return bound.widget;
}

// Builds the widgets of new controls, drops those of removed ones, and lists
// the rest for syncControls; the tick then looks up no control by name.
void ProgramView::listBound(Form& form, FormView& view) {
    dropRemoved(form);
    view.bound.clear();
    view.pageControls.clear();
    view.face = clockLabels(form);
    for (const auto& owned : form.controls()) {
        Control& c = *owned;
        if (c.kind == ControlKind::PageControl) view.pageControls.push_back(&c);
        if (c.kind == ControlKind::Menu || c.kind == ControlKind::MenuItem) continue;
        auto it = widgets_.find(c.name);
        QWidget* w = it != widgets_.end() ? it->second.widget : build(form, view, c);
        if (!w || c.kind == ControlKind::TabSheet) continue;
        Bound& bound = widgets_[c.name];
        const WidgetUpdate* update = nullptr;
        if (bound.custom)
            if (auto custom = custom_.find(c.name); custom != custom_.end() && custom->second.second)
                update = &custom->second.second;
        view.bound.push_back({&c, &bound, update});
    }
    view.boundListed = true;
    view.boundStructure = form.structure();
}

void ProgramView::syncControls(Form& form, FormView& view, bool force) {
    for (const Slot& slot : view.bound) {
        const Control& c = *slot.control;
        QWidget* w = slot.bound->widget;
        std::optional<Control>& shown = slot.bound->shown;
        const bool custom = slot.bound->custom || slot.update;
        // A control hidden before and after needs nothing written: showing it fails the comparison.
        if (!force && shown &&
            ((!shown->visible && !c.visible) ||
             (custom ? looksSame(*shown, c) : widgetShowsSame(*shown, c)))) {
            if (slot.update) (*slot.update)(w, c); // a field no comparison reads may have changed
            continue;
        }
        // The seconds change their text alone: place, font, hint and colours need no second look.
        if (!force && shown && !custom && captionAloneChanged(*shown, c)) {
            shown->caption = c.caption;
            syncCaption(c, w);
            continue;
        }
        // The running lamp blinks: copying the whole control each second would cost more than the blink.
        if (!force && shown && !custom && lampStateAloneChanged(*shown, c)) {
            shown->checked = c.checked;
            syncContent(c, w);
            continue;
        }
        const bool contentOnly = !force && shown && !custom && placeAndLookSame(*shown, c);
        shown = c;
        if (!contentOnly) syncCommon(c, w);
        if (slot.update)
            (*slot.update)(w, c);
        else if (!slot.bound->custom)
            syncContent(c, w);
    }
    // After the loop: the tab sheets are built after their page control.
    for (Control* pages : view.pageControls)
        syncPages(form, *pages, widget(pages->name));
}

void ProgramView::syncPages(Form& form, Control& pageControl, QWidget* widget) {
    auto* tabs = qobject_cast<QTabWidget*>(widget);
    if (!tabs) return;
    for (Control* sheet : form.children(pageControl.name)) {
        if (sheet->kind != ControlKind::TabSheet) continue;
        const int index = tabs->indexOf(this->widget(sheet->name));
        if (index < 0) continue;
        if (const QString text = translated(sheet->caption); tabs->tabText(index) != text)
            tabs->setTabText(index, text);
        if (tabs->isTabVisible(index) != sheet->visible) tabs->setTabVisible(index, sheet->visible);
        // A hidden tab is disabled too, else Ctrl+Tab (which skips only disabled tabs) opens it.
        const bool enabled = sheet->enabled && sheet->visible;
        if (tabs->isTabEnabled(index) != enabled) tabs->setTabEnabled(index, enabled);
    }
    if (QWidget* active = this->widget(form.activePage))
        if (tabs->currentWidget() != active && tabs->indexOf(active) >= 0) tabs->setCurrentWidget(active);
}

void ProgramView::syncWindow(Form& form, FormView& view, bool force) {
    FormWindow* w = view.window.get();
    const bool isMain = app_.forms().front().get() == &form;
    if (force || view.title != form.caption) {
        view.title = form.caption;
        if (const QString title = translated(form.caption); w->windowTitle() != title)
            w->setWindowTitle(title);
    }
    w->setBackground(frameworkColor(form.bgcolor));

    Qt::WindowFlags flags = Qt::Window;
    if (form.borderless) flags |= Qt::FramelessWindowHint;
    if (form.stayOnTop) flags |= Qt::WindowStaysOnTopHint;
    if (!view.flagsSet || view.flags != flags) {
        const bool wasVisible = w->isVisible();
        w->setWindowFlags(flags); // hides the window; shown again below
        view.flagsSet = true;
        view.flags = flags;
        if (wasVisible) view.shownModal = !form.modal; // force the show below
    }
    w->setRounded(form.rounded ? 10 : form.roundCorners);
    if (isMain) w->setFace(clockFace(view.face).translated(w->body()->pos()));

    QMenuBar* bar = view.menus->bar();
    const int width = form.width > 0 ? form.width : 400;
    const int height = form.height > 0 ? form.height : 300;
    if (bar != view.sizedBar || force) { // a new bar: measure it once, and on user actions
        view.sizedBar = bar;
        view.barHeight = bar ? bar->sizeHint().height() : 0;
    }
    const int barHeight = view.barHeight;
    if (bar && bar->geometry() != QRect(0, 0, width, barHeight)) bar->setGeometry(0, 0, width, barHeight);
    // Only the program's own changes of place and size are applied, so a window
    // the user moved or resized stays where it is.
    const QSize size(width, height + barHeight);
    if (size != view.sizedTo) {
        view.sizedTo = size;
        w->setClientArea(barHeight, width, height);
    } else if (w->body()->height() != w->height() - barHeight) {
        w->body()->setGeometry(0, barHeight, w->width(), w->height() - barHeight);
    }
    const QPoint place(form.left, form.top);
    if (place != view.placedAt) {
        view.placedAt = place;
        if (form.left != 0 || form.top != 0) w->move(place); // the frame's corner
    }
    if (form.visible && !w->isVisible()) keepOnScreen(form, view);

    if (!form.visible) {
        if (w->isVisible()) w->hide();
        return;
    }
    bool minimized = form.minimized || (isMain && app_.applicationMinimized);
    // Not under an open message box: it would go down with its window, out of reach.
    if (minimized && !view.minimizedShown && boxIsOpen()) {
        minimized = false;
        minimizeWaits_ = true;
    }
    if (minimized && form.hideWhenMinimized) {
        // Down to the tray: a hidden window has no taskbar button under any window manager.
        if (w->isVisible()) w->hide();
        view.minimizedShown = true;
        return;
    }
    if (!w->isVisible() || view.shownModal != form.modal) {
        if (w->isVisible()) w->hide(); // modality changes only on a hidden window
        w->setWindowModality(form.modal ? Qt::ApplicationModal : Qt::NonModal);
        view.shownModal = form.modal;
        if (minimized)
            w->showMinimized();
        else
            w->show();
        view.minimizedShown = minimized;
    } else if (minimized != view.minimizedShown) {
        view.minimizedShown = minimized;
        if (minimized)
            w->showMinimized();
        else
            w->showNormal();
    }
}

// A window opens whole on the screen's free area: where the program put it when
// that fits, else centred. The frame is estimated until the window manager has
// framed the window once; the view checks again then (windowMoved).
void ProgramView::keepOnScreen(Form& form, FormView& view) {
    FormWindow* w = view.window.get();
    const QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = form.borderless ? QMargins() : frameOf(w);
    QRect outer(w->pos(), w->size().grownBy(frame));
    const bool placed = form.left != 0 || form.top != 0;
    if (placed && area.contains(outer)) return;
    if (!placed) outer.moveCenter(area.center());
    outer.moveLeft(
        std::clamp(outer.left(), area.left(), std::max(area.left(), area.right() - outer.width() + 1)));
    outer.moveTop(
        std::clamp(outer.top(), area.top(), std::max(area.top(), area.bottom() - outer.height() + 1)));
    w->move(outer.topLeft());
    form.left = outer.left(); // the model holds where the window is
    form.top = outer.top();
    view.placedAt = outer.topLeft();
}

// The user (or the window manager) moved a window: the model takes the new place,
// so the view never moves it back. The first move after the window is framed
// also tells the real frame: a window that then sticks out is brought in once.
void ProgramView::windowMoved(QWidget* window) {
    for (auto& [name, view] : forms_) {
        if (view->window.get() != window || !window->isVisible()) continue;
        Form* form = app_.findForm(name);
        if (!form) return;
        if (!view->onScreenChecked && window->windowHandle() &&
            !window->windowHandle()->frameMargins().isNull()) {
            view->onScreenChecked = true;
            knownFrame_ = window->windowHandle()->frameMargins();
            const QScreen* screen = window->screen();
            if (screen && !screen->availableGeometry().contains(window->frameGeometry())) {
                form->left = form->top = 0; // not placed: centre it
                Raise guard(refreshing_);
                keepOnScreen(*form, *view);
                return;
            }
        }
        form->left = window->x();
        form->top = window->y();
        view->placedAt = QPoint(form->left, form->top);
        return;
    }
}

QMargins ProgramView::frameOf(QWidget* window) const {
    if (window->windowHandle() && !window->windowHandle()->frameMargins().isNull())
        return window->windowHandle()->frameMargins();
    return knownFrame_;
}

// The window manager minimised or restored a window: the model takes the real state,
// so what it shows next (and what the program tests) is what the user sees.
void ProgramView::reportWindowState(QWidget* window) {
    for (auto& [name, view] : forms_) {
        if (view->window.get() != window) continue;
        Form* form = app_.findForm(name);
        if (!form || !form->visible) return;
        const bool isMain = app_.forms().front().get() == form;
        const bool minimized = window->isMinimized();
        view->minimizedShown = minimized;
        const bool modelMinimized = form->minimized || (isMain && app_.applicationMinimized);
        if (minimized == modelMinimized) return;
        user([this, form, isMain, minimized] {
            app_.touch();
            if (isMain) {
                app_.applicationMinimized = minimized;
                if (!minimized) form->minimized = false;
                // The program's minimise handling, when a feature has one (the tray's).
                if (minimized && app_.hasOperation("ApplicationMinimize")) app_.run("ApplicationMinimize");
            } else {
                form->minimized = minimized;
            }
        });
        return;
    }
}

bool ProgramView::boxIsOpen() const {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return false;
    for (const auto& [name, view] : forms_)
        if (modal == view->window.get()) return false;
    return true;
}

bool ProgramView::isWatched(QWidget* widget) const {
    if (names_.count(widget)) return true;
    for (const auto& [name, view] : forms_)
        if (widget == view->window.get() || widget == view->window->body()) return true;
    return false;
}

QWidget* ProgramView::mainBody() const {
    if (app_.forms().empty()) return nullptr;
    auto it = forms_.find(app_.forms().front()->name);
    return it == forms_.end() ? nullptr : it->second->window->body();
}

void ProgramView::processEvents() {
    refresh();
    QCoreApplication::processEvents();
}
void ProgramView::quit() {
    // Not quit(): in Qt 6 that first asks the windows to close, and after the tray menu
    // had been open a SIGTERM left the program running.
    QCoreApplication::exit(0);
}

void ProgramView::beginWindowDrag(const std::string& form) {
    auto it = forms_.find(form);
    if (it == forms_.end()) return;
    FormWindow* w = it->second->window.get();
    if (w->windowHandle() && w->windowHandle()->startSystemMove()) return;
    dragging_ = w;
    dragOffset_ = QCursor::pos() - w->pos();
}

void ProgramView::bringToFront(const std::string& form) {
    QWidget* w = window(form);
    if (!w) return;
    // The model says the window is shown: shown from it, whole with its size and menus, it
    // only comes to the front here. Shown around it, the next refresh would undo it.
    refresh();
    if (!w->isVisible()) return;
    w->raise();
    w->activateWindow();
}

void ProgramView::user(const std::function<void()>& action) {
    if (refreshing_) return; // a widget signal caused by the view's own writes
    try {
        app_.guarded(action);
    } catch (const std::exception& e) {
        // Something the model does not allow (a disabled control): the widget
        // is put back from the model below.
        qWarning("kelvaro: %s", e.what());
    }
    refreshAll();
}

} // namespace kelvaro
