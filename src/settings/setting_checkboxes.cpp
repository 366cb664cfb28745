// Click handlers of the notebook's check boxes that only confirm the change and save.
#include "app/startup.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/handle.h"
#include "settings/settings_lock.h"
#include "settings/settings_store.h"

#include <string>

namespace kelvaro {

namespace {

constexpr const char* kCheckedGlyph = "\xc3\xbe";   // a ticked box in the symbol font
constexpr const char* kUncheckedGlyph = "\xc2\xa8"; // an empty box

void wireGlyphMirror(Application& app, Control& box, Control& label) {
    const std::string handler = box.name + "Click";
    handle(app, box, Event::Click, handler, [&app, &box, &label] {
        if (RefuseCheckBoxChange(app, box)) return;
        label.caption = box.checked ? kCheckedGlyph : kUncheckedGlyph;
        SaveAllSettings(app);
    });
}

} // namespace

void installSettingCheckBoxes(Application& app) {
    wireGlyphMirror(app, notebook(app).CheckBoxSayTimeEveryHour1, mainWindow(app).Labelsteh);
    wireGlyphMirror(app, notebook(app).CheckBoxSpeakDuringAlarm1, mainWindow(app).Labelsda);
    // Switching the question itself on or off asks nothing; it would ask while
    // loading the very option that turns the question on.
    handle(app, notebook(app).CheckBoxWarnifChangingSettings1, Event::Click,
           "CheckBoxWarnifChangingSettings1Click", [&app] { SaveAllSettings(app); });
    SettingsNotebook& nb = notebook(app);
    // The entry follows the box at once: written when ticked, removed when unticked.
    handle(app, nb.CheckBoxAutoStartwithWindows1, Event::Click, "CheckBoxAutoStartwithWindows1Click", [&app] {
        Control& box = notebook(app).CheckBoxAutoStartwithWindows1;
        if (RefuseCheckBoxChange(app, box)) return;
        if (box.checked)
            WriteAutostartEntry(app);
        else
            RemoveAutostartEntry(app);
        SaveAllSettings(app);
    });
    for (Control* box :
         {&nb.CheckBoxQuietAfterBedTime1, &nb.CheckBoxMonitorOff, &nb.CheckBoxVolumeMuteFix1,
          &nb.CheckBoxStopHybernateandSleep1, &nb.CheckBoxShowKVTimeinTaskBar1, &nb.CheckBoxShowMilestones,
          &nb.CheckBoxAllowTimeUpdate, &nb.CheckBoxAutoStartwithWindows1, &nb.CheckBoxLowBattCheck1,
          &nb.CheckBoxSTNewMusic, &nb.CheckBoxAlarmOnce1, &nb.CheckBoxSnooze1}) {
        if (!box->handler(Event::Click).empty()) continue; // a feature wired its own
        const std::string handler = box->name + "Click";
        handle(app, *box, Event::Click, handler, [&app, box] {
            if (RefuseCheckBoxChange(app, *box)) return;
            SaveAllSettings(app);
        });
    }
}

} // namespace kelvaro
