#pragma once
// Says the logic's announcements (alarm/announcements.h) to a screen reader. Qt 6.4
// has no announcement event: a small alert on the main window takes the words as its
// name and shows itself again, which AT-SPI readers speak as an alert.
#include <QWidget>

namespace kelvaro {

class Application;
class ProgramView;

class ScreenReaderAnnouncer : public QWidget {
  public:
    ScreenReaderAnnouncer(Application& app, ProgramView& view);
    ~ScreenReaderAnnouncer() override;
    void say(const QString& words);

  private:
    Application& app_;
};

} // namespace kelvaro
