// Click handlers of the notebook's check boxes that only confirm the change and save.
#include "framework/application.h"
#include "settings/settings_lock.h"
#include "settings/settings_store.h"

#include <string>

namespace kelvaro {

namespace {

constexpr const char* kCheckedGlyph = "\xc3\xbe";   // a ticked box in the symbol font
constexpr const char* kUncheckedGlyph = "\xc2\xa8"; // an empty box

const char* const kConfirmAndSave[] = {
    "CheckBoxQuietAfterBedTime1", "CheckBoxMonitorOff", "CheckBoxVolumeMuteFix1",
    "CheckBoxStopHybernateandSleep1", "CheckBoxShowKVTimeinTaskBar1", "CheckBoxShowMilestones",
    "CheckBoxAllowTimeUpdate", "CheckBoxAutoStartwithWindows1",
    "CheckBoxLowBattCheck1", "CheckBoxSTNewMusic", "CheckBoxAlarmOnce1", "CheckBoxSnooze1"};

void wireGlyphMirror(Application& app, const std::string& box, const std::string& label) {
    const std::string handler = box + "Click";
    app.ctl(box).handlers[Event::Click] = handler;
    app.defineOperation(handler, [&app, box, label] {
        if (ConfirmSettingChange(app)) return;
        app.ctl(label).caption = app.ctl(box).checked ? kCheckedGlyph : kUncheckedGlyph;
        SaveAllSettings(app);
    });
}

} // namespace

void installSettingCheckBoxes(Application& app) {
    wireGlyphMirror(app, "CheckBoxSayTimeEveryHour1", "Labelsteh");
    wireGlyphMirror(app, "CheckBoxSpeakDuringAlarm1", "Labelsda");
    // Switching the question itself on or off asks nothing; it would ask while
    // loading the very option that turns the question on.
    app.ctl("CheckBoxWarnifChangingSettings1").handlers[Event::Click] = "CheckBoxWarnifChangingSettings1Click";
    app.defineOperation("CheckBoxWarnifChangingSettings1Click", [&app] { SaveAllSettings(app); });
    for (const char* name : kConfirmAndSave) {
        Control& box = app.ctl(name);
        if (!box.handler(Event::Click).empty()) continue; // a feature wired its own
        const std::string handler = std::string(name) + "Click";
        box.handlers[Event::Click] = handler;
        app.defineOperation(handler, [&app] {
            if (ConfirmSettingChange(app)) return;
            SaveAllSettings(app);
        });
    }
}

} // namespace kelvaro
