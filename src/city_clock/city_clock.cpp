#include "city_clock/city_clock.h"

#include "app/steps.h"
#include "app/view_hooks.h"
#include "app/windows.h"
#include "cities/city_list.h"
#include "cities/hour_difference.h"
#include "framework/application.h"
#include "framework/conversions.h"
#include "framework/form_builder.h"
#include "framework/handle.h"
#include "framework/translatable.h"
#include "settings/settings_store.h"

#include <algorithm>
#include <set>
#include <sstream>

namespace kelvaro {

namespace {

constexpr int kKeepColor = 1; // an update that keeps the text colour

// "ctrl+left": the keys and buttons held during a mouse event.
std::set<std::string> heldKeys(const Args& a, std::size_t at) {
    std::set<std::string> keys;
    if (a.size() <= at) return keys;
    std::istringstream in(a[at]);
    std::string key;
    while (std::getline(in, key, '+'))
        if (!key.empty()) keys.insert(key);
    return keys;
}

bool exactlyCtrlAndLeft(const Args& a) {
    return heldKeys(a, 1) == std::set<std::string>{"ctrl", "left"};
}

int mouseX(const Args& a) {
    return a.empty() ? 0 : strToIntDef(a[0], 0);
}

void setTextColor(Application& app, int color) {
    mainWindow(app).PanelKV.color = color;
    cityClockState(app).paintedAlarmOn = color == kCityClockAlarmOn;
}

void alignRight(Application& app) {
    Control& panel = mainWindow(app).PanelKV;
    panel.left = cityClockState(app).areaWidth - panel.width - 2;
}

std::optional<double> chosenCityHours(Application& app) {
    const Control& grid = cityGrid(app);
    const int row = currentCityRow(grid);
    if (row <= 0) return std::nullopt;
    return readHourDifference(cityCell(grid, row, kCityHours), app.locale());
}

void UpdateTaskbarClock(Application& app, const std::string& text, int color) {
    CityClockState& s = cityClockState(app);
    Control& panel = mainWindow(app).PanelKV;
    if (s.holdTicks > 0) {
        --s.holdTicks;
        // The alarm time stays up, but a switch of the alarm meanwhile still shows.
        if (color != kKeepColor) setTextColor(app, color);
        return;
    }
    if (!notebook(app).CheckBoxShowKVTimeinTaskBar1.checked) {
        panel.visible = false;
        s.firstUpdateDone = true;
        return;
    }
    if (const auto hours = chosenCityHours(app))
        panel.bgcolor = *hours < 0 ? kCityClockBehind : *hours > 0 ? kCityClockAhead : kCityClockHome;
    panel.caption = text;
    if (color != kKeepColor) {
        setTextColor(app, color);
    } else if (const bool on = mainWindow(app).ON1.checked; s.paintedAlarmOn != on) {
        // Any way of switching the alarm repaints, not only those that pass a colour.
        setTextColor(app, on ? kCityClockAlarmOn : kCityClockAlarmOff);
    }
    // Where the desktop cannot keep it above the windows it is never shown as a stray window:
    // the tray's tip carries its time instead.
    if (s.firstUpdateDone && !s.noOverlay) panel.visible = true;
    s.firstUpdateDone = true;
    alignRight(app);
}

constexpr const char* kNoOverlayNote =
    KV_TR("This desktop does not let a program keep a small clock above the windows, so the city time "
          "is shown in the tray icon's tip instead (where there is a tray).");

void noOverlay(Application& app) {
    cityClockState(app).noOverlay = true;
    mainWindow(app).PanelKV.visible = false;
    notebook(app).CheckBoxShowKVTimeinTaskBar1.hint = kNoOverlayNote;
}

std::string cityClockTip(Application& app) {
    const CityClockState& s = cityClockState(app);
    const std::string& time = mainWindow(app).PanelKV.caption;
    if (!s.noOverlay || !s.firstUpdateDone || !notebook(app).CheckBoxShowKVTimeinTaskBar1.checked) return {};
    const auto end = time.find_last_not_of(' ');
    return end == std::string::npos ? std::string()
                                    : fillPattern(KV_TR("City clock %1"), {time.substr(0, end + 1)});
}

void PlaceTaskbarClock(Application& app) {
    CityClockState& s = cityClockState(app);
    Control& panel = mainWindow(app).PanelKV;
    panel.visible = false;
    panel.top = 0;
    loadCityClockFont(app);
    setTextColor(app, kCityClockAlarmOn);
    s.paintedAlarmOn.reset(); // black is the start's colour, not yet the alarm's
    // A hand-edited width below the limit would make the panel vanish.
    app.main.TClockW = std::max(app.main.TClockW, kMinClockWidthDelta);
    s.baseWidth = kClockBaseWidth;
    panel.height = kClockHeight;
    panel.width = s.baseWidth + app.main.TClockW;
    alignRight(app);
}

void PanelKVClick(Application& app) {
    UpdateTaskbarClock(app, "*" + mainWindow(app).LabelAlarmTime.caption, kKeepColor);
    cityClockState(app).holdTicks = 2;
}

void PanelKVMouseDown(Application& app, const Args& a) {
    if (!exactlyCtrlAndLeft(a)) return;
    CityClockState& s = cityClockState(app);
    app.platform().speaker->ding();
    s.dragStartX = mouseX(a) + app.main.TClockW;
    s.dragPanelLeft = mainWindow(app).PanelKV.left;
}

void PanelKVMouseMove(Application& app, const Args& a) {
    if (!exactlyCtrlAndLeft(a)) return;
    CityClockState& s = cityClockState(app);
    Control& panel = mainWindow(app).PanelKV;
    panel.height = kClockHeight;
    app.main.TClockW =
        std::max(kMinClockWidthDelta, s.dragStartX - (panel.left - s.dragPanelLeft + mouseX(a)));
    panel.width = s.baseWidth + app.main.TClockW;
    alignRight(app);
}

} // namespace

CityClockState& cityClockState(Application& app) {
    return app.feature<CityClockState>();
}

void addCityClockControls(Form& main, Form& book) {
    Control& panel = place(main.add("PanelKV", ControlKind::Panel), {0, 0, kClockBaseWidth, kClockHeight});
    panel.visible = false;
    panel.bgcolor = kCityClockHome;
    panel.color = kCityClockAlarmOn;
    panel.caption = "10:08 PM ";
    panel.fontName = "Tahoma";
    panel.fontSize = 8;
    addButton(book, "GradBtnnChangeTimeFontSize1", KV_TR("Change Task Bar Clock Size - Font"),
              {290, 262, 250, 26}, "TabSheetSettings");
}

void installCityClock(Application& app) {
    Control& panel = mainWindow(app).PanelKV;
    handle(app, panel, Event::Click, "PanelKVClick", [&app] { PanelKVClick(app); });
    panel.handlers[Event::DblClick] = "Maximize1Click"; // the tray's "Maximize"
    // Arguments: the x position in the panel, and the keys and buttons held ("ctrl+left").
    handle(app, panel, Event::MouseDown, "PanelKVMouseDown", [&app](const Args& a) {
        PanelKVMouseDown(app, a);
        return std::string();
    });
    handle(app, panel, Event::MouseMove, "PanelKVMouseMove", [&app](const Args& a) {
        PanelKVMouseMove(app, a);
        return std::string();
    });
    handle(app, panel, Event::MouseUp, "PanelKVMouseUp", [&app] { SaveAllSettings(app); });
    viewHooks(app).taskbarPanel = &panel;
    viewHooks(app).taskbarArea = [&app](int width) {
        cityClockState(app).areaWidth = width;
        alignRight(app);
    };
    defineStep(app, Step::UpdateTaskbarClock, [&app](const Args& a) {
        const int color = a.size() > 1 ? strToIntDef(a[1], kKeepColor) : kKeepColor;
        UpdateTaskbarClock(app, a.empty() ? std::string() : a[0], color);
        return std::string();
    });
    defineStep(app, Step::PlaceTaskbarClock, [&app] { PlaceTaskbarClock(app); });
    // The view tells the width of the screen's free area, where the panel stands right-aligned.
    app.defineOperation("PanelKVArea", [&app](const Args& a) {
        if (!a.empty()) cityClockState(app).areaWidth = strToIntDef(a[0], cityClockState(app).areaWidth);
        alignRight(app);
        return std::string();
    });
    // The view says so where the desktop has no overlay for it.
    app.defineOperation("PanelKVNoOverlay", [&app] { noOverlay(app); });
    queries(app).cityClockTip = [&app] { return cityClockTip(app); };
    CityClockState& s = cityClockState(app);
    app.defineState("TaskbarHoldTicks", [&s] { return std::to_string(s.holdTicks); });
    app.defineState("ClockWidthDelta", [&app] { return std::to_string(app.main.TClockW); });
    app.defineState("ClockBaseWidth", [&s] { return std::to_string(s.baseWidth); });
    installCityClockFont(app);
}

} // namespace kelvaro
