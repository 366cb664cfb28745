#pragma once
// The night screen on the display: black over the whole screen, the pointer
// hidden, the labels drawn dim where the night screen's layout puts them at
// their measured sizes. Keys, buttons, moves and the loss of focus go to the
// night screen's handlers.
#include <QWidget>

#include <string>
#include <vector>

namespace kelvaro {

class Application;
class ProgramView;
struct Control;

class NightScreenView : public QWidget {
  public:
    NightScreenView(Application& app, ProgramView& view);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void sync();
    void measure();
    void run(const char* operation, const std::vector<std::string>& args = {});

    Application& app_;
    ProgramView& view_;
};

} // namespace kelvaro
