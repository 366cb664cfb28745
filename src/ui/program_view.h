#pragma once
// The Qt windows of a running program. The application's forms and controls
// are the only state: refresh() copies them into the widgets, and what the user
// does goes back through the application's user operations. Programmatic
// writes never run handlers, because widget signals are blocked while refreshing.
#include "framework/application.h"
#include "platform/window_host.h"

#include <QMargins>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QLineEdit;
class QMenu;
class QWidget;

namespace kelvaro {

class FormWindow;
class MenuView;
class TimerHost;

class ProgramView : public QObject, public WindowHost {
    Q_OBJECT

  public:
    using WidgetFactory = std::function<QWidget*(QWidget* parent, Control& control)>;
    using WidgetUpdate = std::function<void(QWidget* widget, const Control& control)>;

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

    QWidget* window(const std::string& form) const;
    QWidget* widget(const std::string& controlName) const;
    QAction* action(const std::string& menuItemName) const;
    QMenu* menu(const std::string& menuName) const;

    // A picture for an Image control (or any control a custom widget draws).
    void setImage(const std::string& controlName, const QPixmap& pixmap);
    // A feature's own widget for one control; `update` reads the control alone and runs
    // on a refresh that finds the control changed (or a forced one), after the place,
    // size, visibility and enabled state have been written.
    void registerCustomWidget(const std::string& controlName, WidgetFactory factory,
                              WidgetUpdate update = {});

    // Captions a label shows in turn (the seconds): their looks are made together, once.
    void foreseeCaptions(const Control& label, const std::vector<std::string>& captions);

    // A window a feature shows itself: the generic view leaves the form alone and
    // calls `sync` wherever it would have written the form.
    void registerOwnWindow(const std::string& form, std::function<void()> sync);

    // WindowHost
    void processEvents() override;
    void quit() override;
    void beginWindowDrag(const std::string& form) override;
    void bringToFront(const std::string& form) override;

    // Runs one user action on the model and shows its outcome. Actions that
    // arrive while the view writes the widgets are dropped: they did not come from the user.
    void user(const std::function<void()>& action);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct FormView;
    struct Bound {
        std::string form;
        QWidget* widget = nullptr;
        bool custom = false;
        std::optional<Control> shown; // the control as last written to the widget
    };
    // A shown control with its widget, listed once per change of the form's controls.
    struct Slot {
        Control* control;
        Bound* bound;
        const WidgetUpdate* update; // a custom widget's, else nullptr
    };

    // A form with what syncs it: its own window's sync, or the generic view.
    struct FormEntry {
        Form* form;
        const std::function<void()>* own;
        FormView* view;
    };

    FormView& formView(Form& form);
    void sync(bool force);
    void listForms(); // again only when the application's forms changed
    void syncForm(Form& form, FormView& view, bool force);
    void syncControls(Form& form, FormView& view, bool force);
    void listBound(Form& form, FormView& view);
    void syncWindow(Form& form, FormView& view, bool force);
    QWidget* containerFor(Form& form, FormView& view, const Control& control);
    QWidget* build(Form& form, FormView& view, Control& control);
    void bindSignals(Control& control, QWidget* widget);
    void bindPages(Control& pageControl, QWidget* tabs);
    void syncPages(Form& form, Control& pageControl, QWidget* tabs);
    void watch(QWidget* widget, const std::string& controlName);
    void dropRemoved(Form& form);
    void reportWindowState(QWidget* window);
    void windowMoved(QWidget* window);
    void keepOnScreen(Form& form, FormView& view);
    QMargins frameOf(QWidget* window) const;

    void bindTextBox(const std::string& name, QLineEdit* edit);
    void typeIntoCell(Control& grid, const std::string& key);
    void selectWholeCell(Control& grid);
    void keepWidgetCursor(const std::string& control);
    bool handleKey(QWidget* target, QEvent* event);
    bool handleMouse(QWidget* target, QEvent* event);
    std::string controlOf(QObject* object) const;
    bool isWatched(QWidget* widget) const;
    bool boxIsOpen() const;
    QWidget* mainBody() const;

    Application& app_;
    std::map<std::string, std::unique_ptr<FormView>> forms_;
    std::map<std::string, Bound> widgets_;
    std::map<QObject*, std::string> names_; // watched widget -> control name
    std::map<std::string, std::pair<WidgetFactory, WidgetUpdate>> custom_;
    std::map<std::string, QPixmap> images_;
    std::map<std::string, QStringList> foreseen_; // label name -> the captions it shows in turn
    std::map<std::string, std::function<void()>> ownWindows_;
    std::vector<std::function<void()>> synced_;
    std::vector<FormEntry> formEntries_; // in the application's order; the tick looks up no name
    std::unique_ptr<TimerHost> timers_;  // the timer controls besides the main tick
    unsigned shownRevision_ = 0;
    bool everRefreshed_ = false;
    bool refreshing_ = false;
    bool minimizedShown_ = false;
    bool minimizeWaits_ = false;       // a minimise held back while a message box is open
    QMargins knownFrame_{1, 24, 1, 1}; // a title bar and thin borders until a window manager tells
    // Manual window move where the window system cannot move it for us.
    FormWindow* dragging_ = nullptr;
    QPoint dragOffset_;
};

} // namespace kelvaro
