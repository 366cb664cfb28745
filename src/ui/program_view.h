#pragma once
// The Qt windows of a running program. The application's forms and controls
// are the only state: refresh() copies them into the widgets, and what the user
// does goes back through the application's user operations. Programmatic
// writes never run handlers, because widget signals are blocked while refreshing.
//
// This class runs the refresh and is the application's window host; the pieces
// each do one part: the widget factory (widget_factory.h), which widget shows
// which control (bound_widgets.h), the differ that writes what changed
// (control_differ.h), the window's place (window_placement.h), its shown state
// (minimise_policy.h) and the user's input (input_router.h).
#include "framework/application.h"
#include "platform/window_host.h"
#include "ui/bound_widgets.h"
#include "ui/minimise_policy.h"
#include "ui/widget_factory.h"
#include "ui/window_placement.h"

#include <QObject>
#include <QPixmap>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace kelvaro {

class InputRouter;
class TimerHost;

class ProgramView : public QObject, public WindowHost {
    Q_OBJECT

  public:
    // Builds a window per form and becomes the application's window host.
    explicit ProgramView(Application& app);
    ~ProgramView() override;

    // Copies the model into the widgets when it changed since the last time.
    void refresh();
    // Copies it whatever the revision says (after writes that did not touch()).
    void refreshAll();

    Application& application() const { return app_; }
    // Runs at the end of every copy of the model into the widgets, for views that are
    // not windows of a form (the city clock).
    void onSynced(std::function<void()> callback) { synced_.push_back(std::move(callback)); }

    QWidget* window(const Form& form) const;
    QWidget* widget(const Control& control) const;
    QAction* action(const Control& menuItem) const;
    QMenu* menu(const Control& menu) const;
    // By the names scripts and tests use; nothing when the model has no such form or control.
    QWidget* window(const std::string& form) const;
    QWidget* widget(const std::string& controlName) const;
    QAction* action(const std::string& menuItemName) const;
    QMenu* menu(const std::string& menuName) const;

    // A picture for an Image control (or any control a custom widget draws).
    void setImage(const Control& control, const QPixmap& pixmap);
    // A feature's own widget for one control; `update` reads the control alone and runs
    // on a refresh that finds the control changed (or a forced one), after the place,
    // size, visibility and enabled state have been written.
    void registerCustomWidget(const Control& control, WidgetFactory::Make make, WidgetUpdate update = {});

    // Captions a label shows in turn (the seconds): their looks are made together, once.
    void foreseeCaptions(const Control& label, const std::vector<std::string>& captions);

    // A window a feature shows itself: the generic view leaves the form alone and
    // calls `sync` wherever it would have written the form.
    void registerOwnWindow(const Form& form, std::function<void()> sync);

    // WindowHost
    void processEvents() override;
    void quit() override;
    void beginWindowDrag(const std::string& form) override;
    void bringToFront(const std::string& form) override;

    // Runs one user action on the model and shows its outcome. Actions that
    // arrive while the view writes the widgets are dropped: they did not come from the user.
    void user(const std::function<void()>& action);

  private:
    friend class InputRouter;

    // A form with what syncs it: its own window's sync, or the generic view.
    struct FormEntry {
        Form* form;
        const std::function<void()>* own;
        FormView* view;
    };

    FormView& formView(Form& form);
    FormView* findView(const Form& form) const;
    void sync(bool force);
    void listForms(); // again only when the application's forms changed
    void syncForm(Form& form, FormView& view, bool force);
    void listBound(Form& form, FormView& view);
    void syncWindow(Form& form, FormView& view, bool force);
    QWidget* containerFor(Form& form, FormView& view, Control& control);
    QWidget* build(Form& form, FormView& view, Control& control);
    bool isMain(const Form& form) const;
    bool isFormWindow(const QWidget* widget) const;
    bool boxIsOpen() const;
    QWidget* mainBody() const;
    // The window manager's changes, from the input router.
    void windowMoved(QWidget* window);
    void windowStateChanged(QWidget* window);

    Application& app_;
    std::map<const Form*, std::unique_ptr<FormView>> forms_;
    BoundWidgets widgets_;
    WidgetFactory factory_;
    WindowPlacement placement_;
    MinimisePolicy minimise_;
    std::map<const Form*, std::function<void()>> ownWindows_;
    std::vector<std::function<void()>> synced_;
    std::vector<FormEntry> formEntries_; // in the application's order; the tick looks up no name
    std::unique_ptr<TimerHost> timers_;  // the timer controls besides the main tick
    InputRouter* input_;                 // a child QObject
    unsigned shownRevision_ = 0;
    bool everRefreshed_ = false;
    bool refreshing_ = false;
};

} // namespace kelvaro
