#include "framework/translatable.h"
#include "online/online.h"

#include "app/features.h"
#include "app/steps.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/colors.h"
#include "framework/form_builder.h"

#include <filesystem>
#include <system_error>

namespace kelvaro {

namespace {

// Look-ups of well-known names tell whether the computer is online.
constexpr const char* kTestHost1 = "www.debian.org";
constexpr const char* kTestHost2 = "www.wikipedia.org";

void lookupAnswered(Application& app, bool found) {
    OnlineState& s = online(app);
    MainWindow& w = mainWindow(app);
    s.LookupDone = true;
    app.touch();
    if (!found) {
        s.UseSecondTestHost = !s.UseSecondTestHost;
        w.LightCheckOnLine.checked = false;
        w.LightCheckOnLine.offcolor = colors::DarkRed;
        return;
    }
    if (!w.LightCheckOnLine.checked) {
        w.LightCheckOnLine.checked = true;
        if (s.UpdatePending && !w.LightCheckUpDated.checked) {
            s.UpdatePending = false;
            CheckForUpdates(app);
        }
    }
    w.LightCheckOnLine.oncolor = colors::Green;
}

// Never waits and never nests: while a look-up runs, the lamp's present state is the answer.
void CheckOnline(Application& app) {
    OnlineState& s = online(app);
    if (!s.LookupDone) return;
    s.LookupDone = false;
    SettingsNotebook& nb = notebook(app);
    const std::string host = (s.UseSecondTestHost ? nb.EditMyIP2 : nb.EditMyIP1).text;
    app.platform().lookup->lookup(host,
                                  [&app](bool found) { app.guarded([&] { lookupAnswered(app, found); }); });
}

void BannerStep(Application& app) {
    OnlineState& s = online(app);
    MainWindow& w = mainWindow(app);
    if (!w.LightCheckOnLine.checked || w.LightCheckUpDated.offcolor == colors::DarkRed ||
        app.main.SleepModeActive)
        return;
    // The page number as a character: "b" + text gives GCC 12 a false -Wrestrict at -O3.
    const int number = s.BannerType == 1 ? (s.BannerCount < s.TopMax ? 1 : 6) : s.BannerType;
    std::string page = "b.htm";
    page.insert(page.begin() + 1, static_cast<char>('0' + number));
    if (s.BannerType == 1 && ++s.BannerCount > s.Top1Max) s.BannerCount = 0;
    w.LabelMaxB.caption = std::to_string(s.BannerType) + "~" + std::to_string(s.BannerCount) + "~" +
                          std::to_string(s.TopMax) + "~" + std::to_string(s.Top1Max);
    s.BannerType = s.BannerType == 5 ? 1 : s.BannerType + 1;
    s.BannerPage = page;
    const std::string path = app.filePath(page);
    w.WebBrowserTop.text = "file://" + path;
    // Without its page the panel would be an empty box: the window shows through instead.
    std::error_code error;
    w.PanelBanner.visible = std::filesystem::is_regular_file(path, error);
}

std::string flag(bool v) {
    return v ? "true" : "false";
}

} // namespace

OnlineState& online(Application& app) {
    return app.feature<OnlineState>();
}

void logUpdate(Application& app, const std::string& line) {
    runStep(app, Step::LogProgress, {line});
}

void addOnlineControls(Form& main, Form& book) {
    addLamp(main, "LightCheckUpDated", 0x00FF00, colors::Black, {8, 86, 10, 10}).hint =
        KV_TR("Updated = Green");
    Control& panel = place(main.add("PanelBanner", ControlKind::Panel), {21, 300, 477, 69});
    panel.bgcolor = colors::Black;
    panel.visible = false; // until a page is there to show
    // The banner view: local pages only; `text` holds the page shown ("file://...").
    place(main.add("WebBrowserTop", ControlKind::Other, "PanelBanner"), {0, 0, 477, 69});
    Control& counters = addLabel(main, "LabelMaxB", "", {21, 370, 200, 12});
    counters.fontSize = 6;
    main.height = std::max(main.height, 386);

    const std::string p = "TabSheetDebug";
    struct Setting {
        const char* name;
        const char* value;
        Rect place;
    };
    // No update site by default: a fetch needs a site the user chose, and it must be https.
    const Setting settings[] = {{"EditMyIP1", kTestHost1, {10, 272, 250, 20}},
                                {"EditMyIP2", kTestHost2, {280, 272, 250, 20}},
                                {"EditFTPIP1", "", {10, 298, 250, 20}},
                                {"EditFTPIP2", "", {280, 298, 250, 20}}};
    for (const Setting& s : settings) {
        Control& edit = place(book.add(s.name, ControlKind::Edit, p), s.place);
        edit.text = s.value;
        edit.enabled = false;
    }
}

void installOnline(Application& app) {
    defineStep(app, Step::CheckOnline, [&app] { CheckOnline(app); });
    defineStep(app, Step::BannerStep, [&app] { BannerStep(app); });
    defineStep(app, Step::OpenBanner, [&app] {
        mainWindow(app).WebBrowserTop.text.clear();
        mainWindow(app).PanelBanner.visible = false;
    });
    defineStep(app, Step::OnlineStartup, [&app] {
        if (!mainWindow(app).LightCheckUpDated.checked) CheckForUpdates(app);
        online(app).UpdatePending = false;
    });
    app.defineOperation("CheckForUpdates", [&app] { CheckForUpdates(app); });
    app.defineState("LookupDone", [&app] { return flag(online(app).LookupDone); });
    app.defineState("UseSecondTestHost", [&app] { return flag(online(app).UseSecondTestHost); });
    app.defineState("UpdatePending", [&app] { return flag(online(app).UpdatePending); });
    app.defineState("BannerType", [&app] { return std::to_string(online(app).BannerType); });
    app.defineState("BannerCount", [&app] { return std::to_string(online(app).BannerCount); });
    app.defineState("TopMax", [&app] { return std::to_string(online(app).TopMax); });
    app.defineState("Top1Max", [&app] { return std::to_string(online(app).Top1Max); });
    app.defineState("BannerPage", [&app] { return online(app).BannerPage; });
    app.defineState("UpdateFetching", [&app] { return flag(online(app).fetching); });
}

} // namespace kelvaro
