// The order Tab walks each window in. It is the order of the form's controls (the views
// build the focus chain from it); the features add their controls where they build them,
// so the ones a user tabs to are put here in the order the eye reads them.
#include "app/features.h"
#include "framework/form.h"

#include <initializer_list>
#include <stdexcept>
#include <string>

namespace kelvaro {

namespace {

// The controls, in this order, go after every other control of their form.
void tabLast(Form& f, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (!f.find(name)) throw std::logic_error(std::string("no control to order: ") + name);
        f.moveBefore(name, {});
    }
}

} // namespace

void orderForKeyboard(Form& mainWindow, Form& notebook) {
    // The window is opened to set the alarm: the focus starts in the hour box. The lock and
    // "Stop Alarm" come last, so Shift+Tab from the hour box reaches them at once; the banner
    // after them, so its page never takes the first focus.
    tabLast(mainWindow, {"ComboBoxHour", "ComboBoxMinute", "ComboBoxAMPM", "ComboBoxSnooze",
                         "EditProgramParams", "ComboBoxNowPlus", "TrackBarCD", "ButtonTestVolume",
                         "ButtonStopAlarm", "CheckBoxLock", "WebBrowserTop"});
    // The settings page: both columns of check boxes, the boxes below them row by row, then OK.
    tabLast(notebook,
            {"ComboBoxLanguage", "ComboBoxMusicSeconds", "ComboBoxSnoozeSeconds", "CheckBoxEnableDualAlarm1",
             "GradBtnnChangeTimeFontSize1", "ComboBoxLateLimit", "ComboBoxGentleStart", "GradBtnnClose"});
    // A grid keeps Tab for its cells (Ctrl+Tab turns the page from it), so each music page ends
    // in its list: the buttons beside it and the check box at its foot come first.
    tabLast(notebook, {"CheckBoxSTNewMusic", "MgridWave", "MgridCD", "MgridWebRadio"});
}

} // namespace kelvaro
