// The main window minimised, brought back and closed from its menus, the tray and
// the power image; its rounded shape; pop-up hints; the help menu's addresses.
#include "app/features.h"
#include "app/program.h"
#include "app/show_note.h"
#include "app/steps.h"
#include "app/windows.h"
#include "framework/handle.h"
#include "framework/translatable.h"
#include "platform/notifier.h"
#include "platform/tray_icon.h"
#include "tray/tray.h"

namespace kelvaro {

namespace {

const char* const kSupportMail = "mailto:dev@kelvaro.org";
const char* const kWebSite = "https://kelvaro.org/";

constexpr int kHintsOffPause = 999999; // ms: a hint that never comes

constexpr const char* kNoTrayTitle = "Kelvaro Clock";
constexpr const char* kNoTrayNote =
    KV_TR("This desktop has no tray, so the clock has no icon there: minimised, it stays in the "
          "taskbar or dock, and starting Kelvaro Clock again brings it back.");

struct NoTrayNote {
    bool told = false;
};

// Down to the tray only where there is one now (the desktop's tray may have come or gone
// since the start); else the window keeps its taskbar button, and the user is told why once.
void chooseWhereMinimized(Application& app) {
    const TrayIcon* tray = app.platform().tray;
    const bool toTray = tray && tray->available();
    mainWindow(app).form.hideWhenMinimized = toTray;
    NoTrayNote& note = app.feature<NoTrayNote>();
    if (toTray || note.told) return;
    note.told = true;
    if (app.platform().notifier && app.platform().notifier->show(kNoTrayTitle, kNoTrayNote, {}) != 0) return;
    ShowNote(app, kNoTrayNote, false); // no notification service either
}

void minimizeApplication(Application& app) {
    app.touch();
    chooseWhereMinimized(app);
    app.applicationMinimized = true;
}

void ShowMainWindow(Application& app) {
    if (!app.main.mayRaiseWindow()) return;
    app.touch();
    app.applicationMinimized = false;
    if (notebook(app).form.visible) app.closeForm(SettingsNotebook::kName);
    Form& window = mainWindow(app).form;
    window.minimized = false;
    window.visible = true;
    app.platform().host->bringToFront(MainWindow::kName);
}

void ImagePowerClick(Application& app) {
    RaiseHold hold(app.main);
    ShowNote(app, KV_TR("minimize or close."), true);
    const Answer answer =
        app.box(BoxKind::Warning,
                KV_TR("Note: You can press Alt-S or Alt-M to hide the Alarm Clock.      \n\n"
                      "                    Minimize                Close"),
                {Answer::Yes, Answer::OK});
    if (answer == Answer::OK) {
        app.platform().host->processEvents();
        ShowNote(app, KV_TR("Closing. GoodBy!"), false);
        closeMainWindow(app);
    } else if (answer == Answer::Yes) {
        ShowNote(app, KV_TR("minimized."), false);
        minimizeApplication(app);
    }
}

void UsePopUpHints1Click(Application& app) {
    Control& item = mainWindow(app).UsePopUpHints1;
    app.main.hintPause = item.checked ? kHintsOffPause : 0;
    item.checked = !item.checked;
    app.touch();
}

} // namespace

void MinimizeMainWindow(Application& app) {
    if (app.main.mayRaiseWindow()) minimizeApplication(app);
}

void KeepMinimizedWindowReachable(Application& app) {
    if (app.applicationMinimized && mainWindow(app).form.hideWhenMinimized) chooseWhereMinimized(app);
}

void ToggleMainWindow(Application& app) {
    if (app.applicationMinimized)
        runStep(app, Step::ShowMainWindow);
    else
        MinimizeMainWindow(app);
}

void installWindowStates(Application& app) {
    MainWindow& w = mainWindow(app);
    defineStep(app, Step::ShowMainWindow, [&app] { ShowMainWindow(app); });
    defineStep(app, Step::ShapeMainWindow, [&app] { mainWindow(app).form.rounded = true; });
    const auto route = [&app](Control& control, const char* handler, void (*op)(Application&)) {
        handle(app, control, Event::Click, handler, [&app, op] { op(app); });
    };
    route(w.Minimize1, "Minimize1Click", MinimizeMainWindow);
    route(w.Minimize2, "Minimize2Click", MinimizeMainWindow);
    route(w.Maximize1, "Maximize1Click", ToggleMainWindow);
    route(w.ImagePower, "ImagePowerClick", ImagePowerClick);
    route(w.UsePopUpHints1, "UsePopUpHints1Click", UsePopUpHints1Click);
    route(w.EMailKelvaroSupport1, "EMailKelvaroSupport1Click",
          [](Application& a) { a.platform().shell->open(kSupportMail); });
    route(w.KelvaroWebSite1, "KelvaroWebSite1Click",
          [](Application& a) { a.platform().shell->open(kWebSite); });
}

} // namespace kelvaro
