// The moon picture on the main window: where it sits, and the date the tick
// gives it once a minute. The picture itself is drawn by the view.
#include "app/features.h"
#include "app/steps.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/form_builder.h"
#include "framework/handle.h"
#include "moon/moon_phase.h"

#include <cstdio>

namespace kelvaro {

void addMoonControls(Form& f) {
    place(f.add("PanelMoon", ControlKind::Panel), {30, 113, 36, 36}); // the raised frame
    place(f.add("Moon1", ControlKind::Image), {32, 115, 32, 32});
}

void installMoon(Application& app) {
    Control& moon = mainWindow(app).Moon1;
    moon.value = app.now();
    handle(app, moon, Event::DblClick, "Moon1DblClick", [] {});
    defineStep(app, Step::SetMoonDate, [&app] { mainWindow(app).Moon1.value = app.main.CityNow; });
    app.defineState("MoonPhase", [&app] {
        char text[32];
        std::snprintf(text, sizeof text, "%.4f",
                      static_cast<double>(moon::ComputeMoonPhase(mainWindow(app).Moon1.value).phaseAngle));
        return std::string(text);
    });
}

} // namespace kelvaro
