#include "framework/handle.h"

namespace kelvaro {

void handle(Application& app, Control& control, Event event, const std::string& name, Operation op) {
    control.handlers[event] = name;
    app.defineOperation(name, std::move(op));
}

void handle(Application& app, Control& control, Event event, const std::string& name,
            std::function<void()> op) {
    control.handlers[event] = name;
    app.defineOperation(name, std::move(op));
}

void handle(Application& app, Form& form, Event event, const std::string& name, Operation op) {
    form.handlers[event] = name;
    app.defineOperation(name, std::move(op));
}

void handle(Application& app, Form& form, Event event, const std::string& name, std::function<void()> op) {
    form.handlers[event] = name;
    app.defineOperation(name, std::move(op));
}

} // namespace kelvaro
