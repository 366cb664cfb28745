#pragma once
// Shared pieces of the Qt platform tests: one application object for the whole
// run, environment variables set for one test, and waiting on the event loop.
#include <QCoreApplication>
#include <QDeadlineTimer>

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>

inline QCoreApplication& testApp() {
    static int argc = 1;
    static char name[] = "kelvaro_platform_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    return app ? *app : *QCoreApplication::instance();
}

// Sets (or with nullopt unsets) a variable and restores it afterwards.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_.c_str(), old_->c_str(), 1);
        else
            unsetenv(name_.c_str());
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string name_;
    std::optional<std::string> old_;
};

// Runs the event loop until the condition holds or the time-out passes.
inline bool processEventsUntil(const std::function<bool()>& condition, int timeoutMs = 2000) {
    testApp();
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}
