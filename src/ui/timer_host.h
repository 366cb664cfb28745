#pragma once
// Runs the program's timer controls (all but the main tick) on QTimers: one per
// enabled timer, restarted when its interval changes, stopped when it is switched
// off. The view calls sync() after each refresh, when the model may have changed.
#include <QObject>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QTimer;

namespace kelvaro {

class Application;
struct Control;
struct Form;

class TimerHost : public QObject {
  public:
    // `fire` runs one firing of the named timer (through the view, so it is shown).
    TimerHost(Application& app, std::function<void(const std::string&)> fire);
    ~TimerHost() override;

    void sync();
    bool isRunning(const std::string& timer) const { return timers_.count(timer) != 0; }

  private:
    // The timer controls, listed again only when a form is added or gains or loses a
    // control: each second then reads a few timers, not every control of every form.
    const std::vector<const Control*>& timerControls();

    Application& app_;
    bool listed_ = false;
    unsigned listedStructure_ = 0; // Form::anyStructure() when listed
    std::vector<const Control*> timerControls_;
    std::function<void(const std::string&)> fire_;
    std::map<std::string, std::unique_ptr<QTimer>> timers_;
};

} // namespace kelvaro
