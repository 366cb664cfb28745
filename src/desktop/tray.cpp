// The icon in the desktop's tray: its tip, its clicks and its menu.
#include "app/features.h"
#include "app/steps.h"
#include "app/windows.h"
#include "desktop/desktop.h"

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
    const ScreenSize screen = tray.screenSize();
    const auto items = static_cast<int>(mainWindow(app).form.children("PopupMenu1").size());
    tray.popUpMenu("PopupMenu1", "Maximize1", screen.width - 20, screen.height - 16 - 18 * items);
}

void onTrayEvent(Application& app, TrayEvent event) {
    app.touch();
    app.platform().tray->setTip(trayTip(app));
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

std::string trayTip(Application& app) {
    const MainWindow& w = mainWindow(app);
    std::string tip = "Kelvaro Clock\nVersion " + app.main.versionText + "\n" + w.LabelTime.caption + "\n" +
                      w.LabelDate.caption;
    if (const std::string zone = cityZoneTip(app); !zone.empty()) tip += "\n" + zone;
    // How the computer gets to the alarm matters only while the alarm is on.
    if (const auto& wake = queries(app).wakeTip; wake && w.ON1.checked)
        if (const std::string line = wake(); !line.empty()) tip += "\n" + line;
    return shortenTip(tip);
}

void installTray(Application& app) {
    TrayIcon& tray = *app.platform().tray;
    MainWindow& w = mainWindow(app);
    // Minimised, the window leaves the taskbar only where the tray can bring it back.
    w.form.hideWhenMinimized = tray.available();
    tray.onEvent = [&app](TrayEvent event) { app.guarded([&] { onTrayEvent(app, event); }); };
    tray.setTip(trayTip(app));
    tray.show();
    defineStep(app, Step::UpdateTrayTip, [&app] { app.platform().tray->setTip(trayTip(app)); });
    w.Close2.handlers[Event::Click] = "Close1Click";
    // "Sleep" (Sleep2) is routed by the sleep mode.
}

} // namespace kelvaro
