#include "ui/program_view.h"

#include "app/timer_controls.h"
#include "app/view_hooks.h"
#include "platform/linux/translation.h"
#include "platform/no_services.h"
#include "ui/control_differ.h"
#include "ui/control_widgets.h"
#include "ui/input_router.h"
#include "ui/menu_view.h"
#include "ui/qt_convert.h"
#include "ui/server_pixmap_copier.h"
#include "ui/timer_host.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTabWidget>
#include <QWindow>

namespace kelvaro {

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

// The plate behind the main window's clock: around the labels the program names.
QRect clockFace(const std::vector<const Control*>& labels) {
    QRect face;
    for (const Control* c : labels)
        if (c->visible && c->width > 0 && c->height > 0) face |= QRect(c->left, c->top, c->width, c->height);
    return face.isEmpty() ? face : face.adjusted(-12, -6, 6, 6);
}

} // namespace

ProgramView::ProgramView(Application& app)
    : app_(app), minimise_([this] { return boxIsOpen(); }), input_(new InputRouter(*this)) {
    app_.platform().host = this;
    timers_ = std::make_unique<TimerHost>(
        app_, [this](const std::string& timer) { user([this, timer] { timerTick(app_, timer); }); });
    refreshAll();
}

ProgramView::~ProgramView() {
    if (app_.platform().host == this) app_.platform().host = &noWindowHost();
    for (auto& [form, view] : forms_)
        input_->forgetWindow(view->window.get());
    formEntries_.clear();
    forms_.clear(); // while the registries its widgets tell on their way out still stand
}

FormView* ProgramView::findView(const Form& form) const {
    auto it = forms_.find(&form);
    return it == forms_.end() ? nullptr : it->second.get();
}

QWidget* ProgramView::window(const Form& form) const {
    FormView* view = findView(form);
    return view ? view->window.get() : nullptr;
}

QWidget* ProgramView::widget(const Control& control) const {
    return widgets_.widget(control);
}

QAction* ProgramView::action(const Control& menuItem) const {
    const Form* form = app_.findForm(menuItem.form);
    FormView* view = form ? findView(*form) : nullptr;
    return view ? view->menus->action(menuItem.name) : nullptr;
}

QMenu* ProgramView::menu(const Control& menu) const {
    const Form* form = app_.findForm(menu.form);
    FormView* view = form ? findView(*form) : nullptr;
    return view ? view->menus->menu(menu.name) : nullptr;
}

QWidget* ProgramView::window(const std::string& form) const {
    const Form* f = app_.findForm(form);
    return f ? window(*f) : nullptr;
}

QWidget* ProgramView::widget(const std::string& controlName) const {
    const Control* c = app_.find(controlName);
    return c ? widget(*c) : nullptr;
}

QAction* ProgramView::action(const std::string& menuItemName) const {
    const Control* c = app_.find(menuItemName);
    return c ? action(*c) : nullptr;
}

QMenu* ProgramView::menu(const std::string& menuName) const {
    const Control* c = app_.find(menuName);
    return c ? menu(*c) : nullptr;
}

void ProgramView::setImage(const Control& control, const QPixmap& pixmap) {
    factory_.setImage(control, pixmap, widget(control));
}

void ProgramView::foreseeCaptions(const Control& label, const std::vector<std::string>& captions) {
    QStringList texts;
    for (const std::string& caption : captions)
        texts.push_back(qs(caption));
    factory_.foresee(label, std::move(texts), widget(label));
}

void ProgramView::registerCustomWidget(const Control& control, WidgetFactory::Make make,
                                       WidgetUpdate update) {
    factory_.setCustom(control, std::move(make), std::move(update));
    if (widgets_.find(control)) {
        // Replace the generic widget at the next refresh.
        widgets_.drop(control);
        for (auto& [form, view] : forms_)
            view->boundListed = false;
    }
    refreshAll();
}

void ProgramView::registerOwnWindow(const Form& form, std::function<void()> sync) {
    ownWindows_[&form] = std::move(sync);
    formEntries_.clear();
    refreshAll();
}

void ProgramView::refresh() {
    if (everRefreshed_ && app_.revision == shownRevision_ && !minimise_.waits()) return;
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
    minimise_.clearWait();
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
        auto own = ownWindows_.find(form.get());
        formEntries_.push_back({form.get(), own != ownWindows_.end() ? &own->second : nullptr,
                                own != ownWindows_.end() ? nullptr : &formView(*form)});
    }
}

FormView& ProgramView::formView(Form& form) {
    auto& slot = forms_[&form];
    if (!slot) {
        slot = std::make_unique<FormView>();
        slot->form = &form;
        slot->window = std::make_unique<FormWindow>();
        FormWindow* w = slot->window.get();
        w->setObjectName(qs(form.name));
        input_->watchWindow(w);
        Form* f = &form;
        w->onUserClose = [this, f] {
            user([this, f] {
                const auto& close = viewHooks(app_).closeMainWindow;
                if (isMain(*f) && close)
                    close();
                else
                    app_.closeForm(f->name);
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

bool ProgramView::isMain(const Form& form) const {
    return !app_.forms().empty() && app_.forms().front().get() == &form;
}

void ProgramView::syncForm(Form& form, FormView& view, bool force) {
    const bool shown = form.visible || view.window->isVisible();
    // Pop-up menus serve hidden windows too; they open on a user action, which forces a sync.
    if (shown || force || !view.menusBuilt) view.menus->sync(form, view.window.get(), force);
    view.menusBuilt = true;
    // A window not shown is built, and kept in step, from its first show on.
    if (!shown) return;
    if (!view.boundListed || view.boundStructure != form.structure()) listBound(form, view);
    writeChangedControls(view, force);
    writePages(form, view, widgets_); // after the controls: the tab sheets are built after their page control
    syncWindow(form, view, force);
}

QWidget* ProgramView::containerFor(Form& form, FormView& view, Control& control) {
    if (!control.parent.empty())
        if (Control* parent = form.find(control.parent)) {
            QWidget* w = widgets_.find(*parent) ? widgets_.widget(*parent) : build(form, view, *parent);
            if (w) return w;
        }
    return view.window->body();
}

QWidget* ProgramView::build(Form& form, FormView& view, Control& control) {
    QWidget* widget = nullptr;
    bool custom = false;
    if (control.kind == ControlKind::TabSheet) {
        if (auto* tabs = qobject_cast<QTabWidget*>(containerFor(form, view, control))) {
            widget = new QWidget;
            tabs->addTab(widget, translated(control.caption));
        }
    } else {
        widget = factory_.make(control, containerFor(form, view, control), custom);
    }
    widgets_.bind(control, form, widget, custom);
    if (!widget) return nullptr;
    widget->setObjectName(qs(control.name));
    if (control.kind != ControlKind::TabSheet) widget->show();
    input_->bind(control, widget);
    return widget;
}

// Builds the widgets of new controls, drops those of removed ones, and lists
// the rest for the differ; the tick then looks up no control by name.
void ProgramView::listBound(Form& form, FormView& view) {
    widgets_.dropRemoved(form);
    view.bound.clear();
    view.pageControls.clear();
    for (const auto& owned : form.controls()) {
        Control& c = *owned;
        if (c.kind == ControlKind::PageControl) view.pageControls.push_back(&c);
        if (c.kind == ControlKind::Menu || c.kind == ControlKind::MenuItem) continue;
        QWidget* w = widgets_.find(c) ? widgets_.widget(c) : build(form, view, c);
        if (!w || c.kind == ControlKind::TabSheet) continue;
        BoundWidget& bound = *widgets_.find(c);
        view.bound.push_back({&c, &bound, bound.custom ? factory_.update(c) : nullptr});
    }
    view.boundListed = true;
    view.boundStructure = form.structure();
}

void ProgramView::syncWindow(Form& form, FormView& view, bool force) {
    FormWindow* w = view.window.get();
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
    const bool main = isMain(form);
    if (main) w->setFace(clockFace(viewHooks(app_).clockLabels).translated(w->body()->pos()));
    placement_.place(form, view, force);
    minimise_.show(app_, form, view, main);
}

void ProgramView::windowMoved(QWidget* window) {
    for (auto& [form, view] : forms_) {
        if (view->window.get() != window) continue;
        Raise guard(refreshing_); // a move back on the screen is no user's move
        placement_.moved(*view->form, *view);
        return;
    }
}

void ProgramView::windowStateChanged(QWidget* window) {
    for (auto& [form, view] : forms_) {
        if (view->window.get() != window) continue;
        Form& f = *view->form;
        if (auto change = minimise_.stateChanged(app_, f, *view, isMain(f))) user(change);
        return;
    }
}

bool ProgramView::boxIsOpen() const {
    QWidget* modal = QApplication::activeModalWidget();
    return modal && !isFormWindow(modal);
}

bool ProgramView::isFormWindow(const QWidget* widget) const {
    for (const auto& [form, view] : forms_)
        if (widget == view->window.get() || widget == view->window->body()) return true;
    return false;
}

QWidget* ProgramView::mainBody() const {
    if (app_.forms().empty()) return nullptr;
    FormView* view = findView(*app_.forms().front());
    return view ? view->window->body() : nullptr;
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
    const Form* f = app_.findForm(form);
    FormView* view = f ? findView(*f) : nullptr;
    if (!view) return;
    FormWindow* w = view->window.get();
    if (w->windowHandle() && w->windowHandle()->startSystemMove()) return;
    input_->dragByHand(w);
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
