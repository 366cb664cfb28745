// The cities tab of the settings notebook, the city label and menu items of the main window,
// and the notebook's show and close steps that keep the menu in step with the list.
#include "cities/cities.h"
#include "app/features.h"
#include "app/steps.h"
#include "app/windows.h"
#include "cities/city_list.h"
#include "framework/application.h"
#include "framework/form_builder.h"
#include "framework/handle.h"
#include "framework/translatable.h"
#include "sound/list_file.h"

namespace kelvaro {

namespace {} // namespace

void addCitiesControls(Form& mainWindow, Form& f) {
    Control& page = f.add("TabSheetCities", ControlKind::TabSheet, "PageControl1");
    page.caption = KV_TR("Cities");
    f.moveBefore(page.name, "TabSheetSettings"); // the first page of the notebook
    const std::string p = page.name;
    addLabel(f, "LabelCitiesColumns",
             KV_TR("Enter a City               |       Enter Hours Difference from your Home City."),
             {10, 6, 540, 16}, p);
    // Narrow enough to leave the zone chooser beside it room for a zone's whole name.
    Control& grid = place(f.add(kCityGrid, ControlKind::Grid, p), {10, 24, 290, 236});
    grid.hint = KV_TR("Enter the City,  Ins, Del, and Tab at end will add a new row. ");
    grid.colWidths.assign(kCityListColumns, 120);
    grid.colWidths[kCityName] = 206;
    grid.colWidths[kCityHours] = 82;
    resetCityGrid(grid);
    addLabel(f, "LabelCitiesInsert", KV_TR("To ADD a new row - Press Insert."), {10, 266, 330, 16}, p);
    addLabel(f, "LabelCitiesDelete", KV_TR("To DELETE a row - Press Del on the row you want to delete."),
             {10, 284, 330, 16}, p);
    Control& update = addButton(f, "GradBtnnMyCities", KV_TR("^^ Update Cities ^^"), {360, 270, 190, 28}, p);
    update.enabled = false;
    update.bgcolor = 0xD6D6AB;
    addLabel(mainWindow, "LabelTZ", "", {96, 38, 330, 16}).hint = KV_TR("Current City and Time Zone");
    addMenuItem(mainWindow, "AddNewTimeZone1", KV_TR("Add / &Change City Time Zone"), "TimeSettings1");
}

namespace {

// Other features add their own steps after these through the declared steps.
void wireNotebook(Application& app) {
    Form& window = notebook(app).form;
    const std::string earlierClose = window.handlers.count(Event::Close) ? window.handlers[Event::Close] : "";
    handle(app, window, Event::Show, "TFormCityShow", [&app] {
        CityNotebookShown(app);
        runStep(app, Step::TFormCityShowMore);
    });
    handle(app, window, Event::Close, "TFormCityClose", [&app, earlierClose] {
        if (!earlierClose.empty()) app.run(earlierClose); // a handler another feature routed here
        runStep(app, Step::StoreCityPlan);                // before the list is read back from its file
        CityNotebookClosed(app);
        runStep(app, Step::TFormCityCloseMore);
    });
}

} // namespace

void installCities(Application& app) {
    installCityMenu(app);
    installCityEditing(app);
    wireNotebook(app);
    app.defineState("CurrentCityRow", [&app] { return std::to_string(currentCityRow(cityGrid(app))); });
}

} // namespace kelvaro
