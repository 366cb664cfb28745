#pragma once
// Power: the battery's state, holding the system off suspend, shutdown and the
// screen saver, the monitor's power, a suspend request, and the desktop
// session's question whether it may end. The logic decides; these only ask.
#include <cstdint>
#include <functional>

namespace kelvaro {

class PowerStatus {
  public:
    // The system's value for "time left not known" (all bits set).
    static constexpr std::uint32_t kUnknownSeconds = 0xFFFFFFFFu;
    struct Reading {
        bool onBattery = false;
        std::uint32_t secondsLeft = kUnknownSeconds; // time to empty, when on battery
    };
    virtual ~PowerStatus() = default;
    virtual Reading read() = 0;
    // Called on the window thread after the state changed (mains, battery, time left).
    std::function<void()> onChange;
};

enum class MonitorPower { On, Standby, Off };

class PowerInhibitor {
  public:
    virtual ~PowerInhibitor() = default;
    // Each hold is kept until released with false; holding twice holds once.
    virtual void holdSleep(bool hold) = 0;    // suspend and hibernation refused
    virtual void holdShutdown(bool hold) = 0; // shutdown waits for the program
    virtual void holdIdle(bool hold) = 0;     // no screen saver, no blanking
    // False when the display cannot be asked (no DPMS).
    virtual bool setMonitor(MonitorPower power) = 0;
    virtual void suspend() = 0; // the answer is not looked at
};

class SessionEnd {
  public:
    virtual ~SessionEnd() = default;
    // The session asks whether it may end (log out, shut down); the answer is
    // mayEnd's result. Set once by the logic; unset, the session may end.
    std::function<bool()> mayEnd;
    // Runs `step` on the window thread after the current event, so that a
    // question is asked once the refusal went back to the session.
    virtual void later(std::function<void()> step) = 0;
};

} // namespace kelvaro
