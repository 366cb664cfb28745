// The icon in the desktop's tray: its tip, its clicks and its menu.
#include "tray/tray.h"
#include "app/features.h"
#include "app/steps.h"
#include "app/view_hooks.h"
#include "app/windows.h"
#include "framework/translatable.h"

#include <algorithm>
#include <vector>

namespace kelvaro {

namespace {

const std::string kEllipsis = "\xe2\x80\xa6"; // "…"

bool continuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The menu opens near the bottom-right corner of the screen wherever the pointer
// is: 20 pixels from the right edge, 16 plus 18 per item from the bottom.
void openTrayMenu(Application& app) {
    TrayIcon& tray = *app.platform().tray;
    if (tray.opensMenuItself()) return; // it has the menu since the start
    const ScreenSize screen = tray.screenSize();
    const auto items = static_cast<int>(mainWindow(app).form.children("PopupMenu1").size());
    tray.popUpMenu("PopupMenu1", "Maximize1", screen.width - 20, screen.height - 16 - 18 * items);
}

void onTrayEvent(Application& app, TrayEvent event) {
    app.touch();
    ShowTrayTip(app);
    if (event == TrayEvent::RightClick)
        openTrayMenu(app);
    else if (event == TrayEvent::Click)
        ToggleMainWindow(app);
}

} // namespace

std::string shortenTip(const std::string& text, std::size_t limit) {
    // The tip is made each second and nearly always fits: count before listing.
    if (limit == 0 || static_cast<std::size_t>(std::count_if(
                          text.begin(), text.end(), [](char c) { return !continuationByte(c); })) <= limit)
        return text;
    std::vector<std::size_t> starts; // byte offset of each character
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!continuationByte(text[i])) starts.push_back(i);
    if (starts.size() <= limit || limit == 0) return text;
    const std::size_t cut = starts[limit - 1]; // room for the ellipsis
    std::size_t end = text.find_last_of(" \n", cut);
    if (end == std::string::npos || end == 0) end = cut; // one long word: cut inside it
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\n'))
        --end;
    return text.substr(0, end) + kEllipsis;
}

namespace {

// What the tip is made of; the time and the date change once a minute.
struct TipParts {
    std::string version, time, date, zone, wake, cityClock;
};

std::string cityClockLine(Application& app) {
    const auto& line = queries(app).cityClockTip;
    return line ? line() : std::string();
}

std::string wakeLine(Application& app) {
    // How the computer gets to the alarm matters only while the alarm is on.
    const auto& wake = queries(app).wakeTip;
    return wake && mainWindow(app).ON1.checked ? wake() : std::string();
}

std::string tipOf(const TipParts& p) {
    // Line by line: the tip is translated where it is shown, each line on its own.
    std::string tip = KV_TR("Kelvaro Clock");
    tip += '\n';
    tip += fillPattern(KV_TR("Version %1"), {p.version});
    tip += '\n';
    tip += p.time;
    tip += '\n';
    tip += p.date;
    for (const std::string* line : {&p.cityClock, &p.zone, &p.wake})
        if (!line->empty()) {
            tip += '\n';
            tip += *line;
        }
    return shortenTip(tip);
}

// The parts of the tip last given to the tray: the tick shows the tip each second, and
// it is made and given again only when a part changed.
struct ShownTip {
    const TrayIcon* tray = nullptr;
    TipParts parts;
};

} // namespace

std::string trayTip(Application& app) {
    const MainWindow& w = mainWindow(app);
    return tipOf({app.main.versionText, w.LabelTime.caption, w.LabelDate.caption, cityZoneTip(app),
                  wakeLine(app), cityClockLine(app)});
}

void ShowTrayTip(Application& app) {
    TrayIcon& tray = *app.platform().tray;
    const MainWindow& w = mainWindow(app);
    ShownTip& shown = app.feature<ShownTip>();
    std::string zone = cityZoneTip(app), wake = wakeLine(app), cityClock = cityClockLine(app);
    TipParts& p = shown.parts;
    if (shown.tray == &tray && p.version == app.main.versionText && p.time == w.LabelTime.caption &&
        p.date == w.LabelDate.caption && p.zone == zone && p.wake == wake && p.cityClock == cityClock)
        return;
    shown.tray = &tray;
    p = {app.main.versionText, w.LabelTime.caption, w.LabelDate.caption,
         std::move(zone),      std::move(wake),     std::move(cityClock)};
    tray.setTip(tipOf(p));
}

void installTray(Application& app) {
    TrayIcon& tray = *app.platform().tray;
    MainWindow& w = mainWindow(app);
    // Minimised, the window leaves the taskbar only where the tray can bring it back.
    w.form.hideWhenMinimized = tray.available();
    tray.onEvent = [&app](TrayEvent event) { app.guarded([&] { onTrayEvent(app, event); }); };
    ShowTrayTip(app);
    tray.show();
    // Opened by the tray, the menu stands where the desktop puts its menus (on Wayland a
    // program cannot place one at screen coordinates).
    if (tray.opensMenuItself()) tray.handOverMenu("PopupMenu1", "Maximize1");
    defineStep(app, Step::UpdateTrayTip, [&app] {
        ShowTrayTip(app);
        KeepMinimizedWindowReachable(app);
    });
    w.Close2.handlers[Event::Click] = "Close1Click";
    viewHooks(app).trayMenu = &w.PopupMenu1;
    // "Sleep" (Sleep2) is routed by the sleep mode.
}

} // namespace kelvaro
