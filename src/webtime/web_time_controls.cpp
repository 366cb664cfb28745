// The web-time page's controls and the main menu's way to it.
#include "app/features.h"
#include "framework/colors.h"
#include "framework/form_builder.h"
#include "framework/translatable.h"

namespace kelvaro {

// Public servers that answer the Time Protocol on TCP port 37 (see docs/web-time.md).
const char* const kTimeHosts[] = {"time.nist.gov",       "time-a-g.nist.gov",   "time-b-g.nist.gov",
                                  "time-a-wwv.nist.gov", "time-b-wwv.nist.gov", "time-a-b.nist.gov"};

void addWebTimeControls(Form& main, Form& book) {
    addMenuItem(main, "GetWebTimeSynch1", KV_TR("&Set Clock using Web Atomic Clock Time"), "TimeSettings1");

    const std::string p = "TabSheetWebTime";
    if (Control* host = book.find("ComboBoxTimeHostName")) {
        host->items.assign(std::begin(kTimeHosts), std::end(kTimeHosts));
        host->items.push_back("");
        host->text = kTimeHosts[0];
    }
    addButton(book, "GradBtnnGetTime", KV_TR("Get Time"), {380, 10, 90, 24}, p);
    addButton(book, "GradBtnnSetTime", KV_TR("Set Time"), {380, 40, 90, 24}, p).enabled = false;
    addLamp(book, "LightCheckgettime", colors::Green, colors::Black, {476, 16, 12, 12}, p);
    addLabel(book, "LabelWebTimeTitle", KV_TR("Web Time:"), {10, 80, 90, 16}, p);
    addLabel(book, "LabelWebTime", "", {104, 80, 430, 16}, p);
    addLabel(book, "LabelLocalTimeTitle", KV_TR("Local Time:"), {10, 104, 90, 16}, p);
    addLabel(book, "LabelLocalTime", "", {104, 104, 430, 16}, p);
    // What each server answered, one line each: the automatic step asks several.
    addLabel(book, "LabelWebTimeAnswers", "", {10, 184, 540, 110}, p);
    // One text on two lines (labels do not wrap).
    addLabel(book, "LabelWebTimeNote",
             KV_TR("Leave the Alarm Clock Running Every Day while on the web and it will check and"),
             {10, 140, 540, 16}, p);
    addLabel(book, "LabelWebTimeNote2", KV_TR("update your system clock automatically every day. "),
             {10, 158, 540, 16}, p);
    addButton(book, "GradBtnnOKWT", KV_TR("OK"), {470, 300, 80, 26}, p);
}

} // namespace kelvaro
