// The moon picture on the main window: where it sits, and the date the tick
// gives it once a minute. The picture itself is drawn by the view; its caption,
// which no one sees, says the phase in words for a screen reader.
#include "app/features.h"
#include "app/steps.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/form_builder.h"
#include "framework/handle.h"
#include "framework/translatable.h"
#include "moon/moon_phase.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace kelvaro {

namespace {

const char* phaseText(moon::PhaseName name) {
    switch (name) {
    case moon::PhaseName::New:
        return KV_TR("New moon");
    case moon::PhaseName::WaxingCrescent:
        return KV_TR("Waxing crescent");
    case moon::PhaseName::FirstQuarter:
        return KV_TR("First quarter");
    case moon::PhaseName::WaxingGibbous:
        return KV_TR("Waxing gibbous");
    case moon::PhaseName::Full:
        return KV_TR("Full moon");
    case moon::PhaseName::WaningGibbous:
        return KV_TR("Waning gibbous");
    case moon::PhaseName::LastQuarter:
        return KV_TR("Last quarter");
    case moon::PhaseName::WaningCrescent:
        break;
    }
    return KV_TR("Waning crescent");
}

void describePhase(Control& moon) {
    const moon::MoonPhase phase = moon::ComputeMoonPhase(moon.value);
    const long lit = std::lround(phase.illuminatedFraction * 100.0);
    moon.caption = fillPattern(KV_TR("%1, %2% lit"),
                               {phaseText(moon::NameOfPhase(phase.phaseAngle)), std::to_string(lit)});
}

} // namespace

void addMoonControls(Form& f) {
    place(f.add("PanelMoon", ControlKind::Panel), {30, 113, 36, 36}); // the raised frame
    place(f.add("Moon1", ControlKind::Image), {32, 115, 32, 32});
}

void installMoon(Application& app) {
    Control& moon = mainWindow(app).Moon1;
    moon.value = app.now();
    describePhase(moon);
    handle(app, moon, Event::DblClick, "Moon1DblClick", [] {});
    defineStep(app, Step::SetMoonDate, [&app] {
        Control& moon = mainWindow(app).Moon1;
        moon.value = app.main.CityNow;
        describePhase(moon);
    });
    app.defineState("MoonPhase", [&app] {
        char text[32];
        std::snprintf(text, sizeof text, "%.4f",
                      static_cast<double>(moon::ComputeMoonPhase(mainWindow(app).Moon1.value).phaseAngle));
        return std::string(text);
    });
}

} // namespace kelvaro
