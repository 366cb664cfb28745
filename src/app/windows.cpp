#include "app/windows.h"

#include "framework/application.h"

#include <memory>
#include <stdexcept>

namespace kelvaro {

namespace {

struct BoundWindows {
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<SettingsNotebook> notebook;
    std::unique_ptr<NightScreen> night;
};

Control& listed(Form& form, const char* name) {
    if (Control* c = form.find(name)) return *c;
    throw std::logic_error(std::string("window ") + form.name + " has no control " + name);
}

BoundWindows& bound(Application& app) {
    BoundWindows& b = app.feature<BoundWindows>();
    if (!b.main) throw std::logic_error("the window handles are used before the windows are built");
    return b;
}

} // namespace

#define KELVARO_BIND(name) listed(f, #name),

void bindWindows(Application& app) {
    BoundWindows& b = app.feature<BoundWindows>();
    {
        Form& f = app.form(MainWindow::kName);
        b.main.reset(new MainWindow{f, KELVARO_MAIN_WINDOW_CONTROLS(KELVARO_BIND)});
    }
    {
        Form& f = app.form(SettingsNotebook::kName);
        b.notebook.reset(new SettingsNotebook{f, KELVARO_NOTEBOOK_CONTROLS(KELVARO_BIND)});
    }
    {
        Form& f = app.form(NightScreen::kName);
        b.night.reset(new NightScreen{f, KELVARO_NIGHT_SCREEN_CONTROLS(KELVARO_BIND)});
    }
}

#undef KELVARO_BIND

MainWindow& mainWindow(Application& app) {
    return *bound(app).main;
}

SettingsNotebook& notebook(Application& app) {
    return *bound(app).notebook;
}

NightScreen& nightScreen(Application& app) {
    return *bound(app).night;
}

void OpenNotebookOn(Application& app, const Control* page) {
    // The hold lives as long as the notebook's close callback, however the notebook ends.
    auto hold = std::make_shared<RaiseHold>(app.main);
    if (page) notebook(app).form.activePage = page->name;
    app.showModal(SettingsNotebook::kName, [hold] {});
}

} // namespace kelvaro
