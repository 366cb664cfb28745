#pragma once
// Power and session fakes: a battery the test sets, inhibitors and monitor
// requests recorded, session requests raised by the test.
#include "platform/power.h"

#include <functional>
#include <optional>
#include <string>

namespace kelvaro {

class FakePowerStatus : public PowerStatus {
  public:
    Reading read() override { return reading; }
    // Sets the state and tells the program, as the system's notification would.
    void set(Reading r) {
        reading = r;
        if (onChange) onChange();
    }
    Reading reading;
};

class FakePowerInhibitor : public PowerInhibitor {
  public:
    void holdSleep(bool hold) override { sleep = hold; }
    void holdShutdown(bool hold) override { shutdown = hold; }
    void holdIdle(bool hold) override { idle = hold; }
    bool setMonitor(MonitorPower power) override {
        if (!monitorAnswers) return false; // a display with no DPMS: the request changes nothing
        monitor = power;
        return true;
    }
    void suspend() override { ++suspends; }

    bool sleep = false, shutdown = false, idle = false;
    MonitorPower monitor = MonitorPower::On;
    bool monitorAnswers = true;
    int suspends = 0;
};

const char* monitorName(MonitorPower power); // "on", "standby", "off"

class FakeSessionEnd : public SessionEnd {
  public:
    // Delivers `later` steps; the scenario runner queues them as pending events.
    explicit FakeSessionEnd(std::function<void(std::function<void()>)> post) : post_(std::move(post)) {}
    void later(std::function<void()> step) override { post_(std::move(step)); }
    // The session asks; the program's answer is kept.
    void request() { answer = mayEnd ? mayEnd() : true; }
    std::optional<bool> answer; // empty until asked

  private:
    std::function<void(std::function<void()>)> post_;
};

} // namespace kelvaro
