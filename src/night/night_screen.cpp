#include "night/night_screen.h"

#include "app/features.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/form_builder.h"
#include "framework/handle.h"
#include "framework/translatable.h"

#include <cstdlib>
#include <optional>
#include <string>

namespace kelvaro {

namespace {

constexpr int kDim = 0x2D2D2D;
constexpr int kBlack = 0x000000;
constexpr int kMoveLimit = 100; // px of mouse movement the screen ignores

struct NightState {
    // Where the pointer was at the first motion the screen received. Not asked when it opens:
    // Wayland tells a window where the pointer is only with an event on that window.
    std::optional<std::pair<int, int>> origin;
    bool monitorDown = false; // the minute step put the display into standby
};

NightState& night(Application& app) {
    return app.feature<NightState>();
}

void addNightLabel(Form& f, const char* name, const char* caption, int px, bool bold) {
    Control& c = addLabel(f, name, caption, {0, 0, 0, 0});
    c.fontName = "Tahoma";
    c.fontSize = px;
    c.bold = bold;
    c.color = kDim;
    estimateLabelSize(c);
}

void centre(Control& c, int width) {
    c.left = (width - c.width) / 2;
}

void onShow(Application& app) {
    NightState& s = night(app);
    app.main.SleepModeActive = true;
    s.origin.reset();
    NightScreen& screen = nightScreen(app);
    screen.LabelTime.caption = mainWindow(app).LabelTime.caption;
    estimateLabelSize(screen.LabelTime);
    layoutNightScreen(screen, screen.form.width, screen.form.height);
    app.platform().inhibitor->holdIdle(true); // the screen saver would cover the clock
}

void onClose(Application& app) {
    app.main.SleepModeActive = false;
    app.platform().inhibitor->holdIdle(false);
    NightState& s = night(app);
    if (s.monitorDown) app.platform().inhibitor->setMonitor(MonitorPower::On);
    s.monitorDown = false;
}

void mouseMove(Application& app, int x, int y) {
    NightState& s = night(app);
    if (!s.origin) {
        s.origin = std::pair{x, y};
        return;
    }
    if (std::abs(x - s.origin->first) > kMoveLimit || std::abs(y - s.origin->second) > kMoveLimit)
        CloseNightScreen(app);
}

} // namespace

void estimateLabelSize(Control& label) {
    // About the average advance of a proportional font; the view measures for real.
    const int px = label.fontSize > 0 ? label.fontSize : 12;
    label.width = static_cast<int>(label.caption.size()) * px * (label.bold ? 62 : 55) / 100;
    label.height = px * 6 / 5;
}

void layoutNightScreen(NightScreen& s, int width, int height) {
    s.LabelCity.top = (height - (s.LabelCity.height - s.LabelTime.height)) / 2;
    s.LabelTime.top = s.LabelCity.top - s.LabelTime.height;
    s.Label1.top = s.LabelTime.top - s.Label1.height;
    s.LabelATime.top = s.Label1.top - s.LabelATime.height;
    s.Label2.top = s.LabelATime.top - s.Label2.height;
    for (Control* c : {&s.LabelCity, &s.LabelTime, &s.Label1, &s.LabelATime, &s.Label2})
        centre(*c, width);
    s.LabelStBy.left = s.LabelATime.left + s.LabelATime.width;
    s.LabelStBy.top = s.LabelATime.top + s.LabelATime.height / 2;
}

void ShowNightScreen(Application& app, std::function<void()> after) {
    app.showModal(NightScreen::kName, std::move(after));
}

void CloseNightScreen(Application& app) {
    // A key may close it, and the loss of focus that follows must not close it again.
    if (nightScreen(app).form.visible) app.closeForm(NightScreen::kName);
}

// The minute step's standby request, so the close can wake the display again.
void noteMonitorDown(Application& app) {
    night(app).monitorDown = true;
}

// Runs before the window handles are bound, so it finds controls by the names they are built under.
void addNightScreenLabels(Form& f) {
    addNightLabel(f, "LabelTime", "LabelTime", 96, true);
    f.find("LabelTime")->bgcolor = kBlack; // painted opaque over whatever was there
    addNightLabel(f, "Label1", KV_TR("Current Time"), 27, true);
    addNightLabel(f, "Label2", KV_TR("Alarm Time"), 27, true);
    addNightLabel(f, "LabelATime", "LabelATime", 48, true);
    addNightLabel(f, "LabelCity", "LabelCity", 16, false);
    addNightLabel(f, "LabelStBy", "LabelStBy", 19, false);
}

void installNightScreen(Application& app) {
    Form& f = nightScreen(app).form;
    handle(app, f, Event::Show, "ScreenBlankShow", [&app] { onShow(app); });
    handle(app, f, Event::Close, "ScreenBlankClose", [&app] { onClose(app); });
    handle(app, f, Event::KeyDown, "ScreenBlankKeyDown", [&app] { CloseNightScreen(app); });
    handle(app, f, Event::MouseDown, "ScreenBlankMouseDown", [&app] { CloseNightScreen(app); });
    handle(app, f, Event::Paint, "ScreenBlankPaint", [&app] {
        NightScreen& s = nightScreen(app);
        layoutNightScreen(s, s.form.width, s.form.height);
    });
    app.defineOperation("ScreenBlankDeactivate", [&app] { CloseNightScreen(app); });
    // A move to client point X Y (the window covers the screen, so screen points too).
    app.defineOperation("ScreenBlankMouseMove", [&app](const Args& a) {
        if (a.size() == 2) mouseMove(app, std::stoi(a[0]), std::stoi(a[1]));
        return std::string();
    });
    app.defineState("PointerOrigin", [&app] {
        const auto& origin = night(app).origin;
        return origin ? std::to_string(origin->first) + "," + std::to_string(origin->second) : std::string();
    });
}

} // namespace kelvaro
