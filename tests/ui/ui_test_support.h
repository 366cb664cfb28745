#pragma once
// One widget application for the whole test run, and a small window model to
// bind views to without starting the whole program.
#include "framework/application.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_dialogs.h"

#include <QApplication>

#include <map>
#include <memory>
#include <string>

namespace kelvaro {

inline QApplication& uiApp() {
    static int argc = 1;
    static char name[] = "kelvaro_ui_test";
    static char* argv[] = {name, nullptr};
    static QApplication* app =
        qobject_cast<QApplication*>(QCoreApplication::instance()) ? nullptr : new QApplication(argc, argv);
    return app ? *app : *qobject_cast<QApplication*>(QCoreApplication::instance());
}

// An application with fake services and a handler counter.
struct TestModel {
    FakeClock clock;
    FakeDialogs dialogs;
    Platform platform;
    std::unique_ptr<Application> app;
    std::map<std::string, int> runs; // handler name -> times run

    TestModel() {
        uiApp();
        platform.clock = &clock;
        platform.dialogs = &dialogs;
        app = std::make_unique<Application>(platform, LocaleInfo::enUS(), "/tmp", std::vector<std::string>{});
    }
    // A handler that only counts; `then` runs afterwards.
    void handle(const std::string& control, Event event, const std::string& handler,
                std::function<void()> then = {}) {
        app->ctl(control).handlers[event] = handler;
        app->defineOperation(handler, [this, handler, then] {
            ++runs[handler];
            if (then) then();
        });
    }
};

} // namespace kelvaro
