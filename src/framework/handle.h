#pragma once
// A handler is named once: one call routes a control's (or a form's) event to it and
// defines it, so a route cannot name an operation that nobody defines. Scripts still
// call the handler by that name. A route to a handler another feature defines stays a
// plain `handlers[event] = name`, which the wiring check (app/wiring.h) resolves.
#include "framework/application.h"

#include <functional>
#include <string>

namespace kelvaro {

void handle(Application& app, Control& control, Event event, const std::string& name, Operation op);
void handle(Application& app, Control& control, Event event, const std::string& name,
            std::function<void()> op);
void handle(Application& app, Form& form, Event event, const std::string& name, Operation op);
void handle(Application& app, Form& form, Event event, const std::string& name, std::function<void()> op);

} // namespace kelvaro
