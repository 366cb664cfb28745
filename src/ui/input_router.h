#pragma once
// What the user does in the windows, turned into the application's user operations:
// the widgets' signals, keys, mouse presses and focus changes, and the window
// manager's moves and minimises, which the view hands on to its placement and policy.
#include <QObject>
#include <QPoint>

#include <optional>
#include <string>

class QLineEdit;
class QWidget;

namespace kelvaro {

class Application;
class FormWindow;
class ProgramView;
struct Control;

class InputRouter : public QObject {
    Q_OBJECT

  public:
    explicit InputRouter(ProgramView& view);

    // The control's widget: its signals and events reach the model from now on.
    void bind(Control& control, QWidget* widget);
    void watchWindow(FormWindow* window);
    void forgetWindow(FormWindow* window);
    // Moves the window with the pointer where the window system cannot move it for us.
    void dragByHand(FormWindow* window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void bindSignals(Control& control, QWidget* widget);
    void bindTextBox(const std::string& name, QLineEdit* edit);
    void bindPages(Control& pageControl, QWidget* tabs);
    void typeIntoCell(Control& grid, const std::string& key);
    void selectWholeCell(Control& grid);
    void keepWidgetCursor(const std::string& control);
    bool handleKey(QWidget* target, QEvent* event);
    bool handleMouse(QWidget* target, QEvent* event);
    std::string controlOf(QObject* object) const;
    bool isWatched(QWidget* widget) const;
    void user(const std::function<void()>& action);

    ProgramView& view_;
    Application& app_;
    FormWindow* dragging_ = nullptr;
    QPoint dragOffset_;
};

} // namespace kelvaro
