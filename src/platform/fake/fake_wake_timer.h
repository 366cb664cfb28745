#pragma once
// A wake timer for scripts and tests: records the wake-up asked for, and lets
// the test play the system going to sleep and waking up.
#include "platform/wake_timer.h"

#include <optional>

namespace kelvaro {

class FakeWakeTimer : public WakeTimer {
  public:
    WakeMethod method() override { return method_; }
    bool arm(std::int64_t utcSeconds) override {
        if (method_ == WakeMethod::None) return false;
        wakeAt_ = utcSeconds;
        ++arms_;
        return true;
    }
    void disarm() override { wakeAt_.reset(); }
    void sleepReady() override { sleepReady_ = true; }

    void setMethod(WakeMethod method) { method_ = method; }
    const std::optional<std::int64_t>& wakeAt() const { return wakeAt_; }
    int arms() const { return arms_; }
    // The system announces its sleep; true when the program let it go on.
    bool announceSleep() {
        sleepReady_ = false;
        if (onSleep) onSleep();
        return sleepReady_;
    }

  private:
    WakeMethod method_ = WakeMethod::KernelAlarm;
    std::optional<std::int64_t> wakeAt_;
    int arms_ = 0;
    bool sleepReady_ = false;
};

} // namespace kelvaro
