#pragma once
// Waking the computer from suspend for the alarm, and hearing about the
// system's sleep: the kernel's alarm timer (held by the program itself or by a
// small helper with the right to wake the system), else a system timer that
// wakes the machine. The adapter only asks the system; which way is in force
// and what the user is told is decided by the program (wake/).
#include <cstdint>
#include <functional>
#include <string>

namespace kelvaro {

enum class WakeMethod {
    KernelAlarm, // a CLOCK_REALTIME_ALARM timer held by the program
    WakeHelper,  // the same timer, held by the helper installed with cap_wake_alarm
    SystemTimer, // a transient systemd timer with WakeSystem=true
    None,        // nothing this system allows
};
const char* wakeMethodName(WakeMethod method);

class WakeTimer {
  public:
    virtual ~WakeTimer() = default;
    // The best way this system allows; asking again is cheap.
    virtual WakeMethod method() = 0;
    // Wakes the computer at this moment (seconds since 1970, UTC), replacing any earlier
    // wake-up; false when the system refused.
    virtual bool arm(std::int64_t utcSeconds) = 0;
    // Leaves no wake-up behind.
    virtual void disarm() = 0;
    // The program has re-armed after onSleep: the system may go to sleep now.
    virtual void sleepReady() = 0;

    // Called on the window thread: the system is about to sleep / has woken up.
    std::function<void()> onSleep;
    std::function<void()> onResume;
};

} // namespace kelvaro
