// Now+: the alarm set a number of minutes from the present city time, for a nap
// or a short reminder. It rewrites the alarm boxes only; the switch and the days stay.
#include "alarm/alarm_entry.h"
#include "alarm/alarm_sounding.h"
#include "app/clock_formats.h"
#include "app/features.h"
#include "app/main_tick.h"
#include "app/steps.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/conversions.h"
#include "framework/datetime.h"
#include "framework/form_builder.h"
#include "framework/handle.h"
#include "framework/translatable.h"
#include "settings/settings_store.h"

namespace kelvaro {

void addNowPlusControls(Form& f) {
    const std::string p = "AdvPanelSetting";
    addLabel(f, "LabelNowPlus", KV_TR("Now+"), {8, 50, 34, 14}, p).fontSize = 8;
    Control& box = addCombo(f, "ComboBoxNowPlus", "15", {44, 47, 46, 20}, p);
    box.items = {"01", "02", "03", "04", "05", "06", "07", "08", "09",  "10",  "15",  "20",  "25",
                 "30", "35", "40", "45", "50", "55", "60", "90", "120", "180", "240", "300", "600"};
    box.hint = KV_TR("Now Plus Time");
    box.readOnly = true;
    addUpDown(f, "UpDown3", "ComboBoxNowPlus", 1, 600, {91, 47, 16, 20}, p).position = 15;
}

namespace {

void rewriteNowPlus(Application& app) {
    Control& box = mainWindow(app).ComboBoxNowPlus;
    if (const auto n = tryStrToInt(box.text)) box.text = TwoDigits(*n);
}

} // namespace

void ComboBoxNowPlusChange(Application& app) {
    const auto minutes = tryStrToInt(mainWindow(app).ComboBoxNowPlus.text);
    if (!minutes || *minutes < 1 || *minutes > 600) return; // the list and the buttons keep it in range
    alarmSoundingState(app).MinimizeAfterStop = false;
    const LocaleInfo& loc = app.locale();
    const DateTime target =
        cityTime(app.now(), app.main.CityOffset, loc) + encodeTime(*minutes / 60, *minutes % 60, 0);
    MainWindow& w = mainWindow(app);
    const bool h24 = is24Hour(app);
    const std::string text = upperCaseUtf8(formatDateTime(h24 ? "hh:mm" : "hh:mm AMPM", target, loc));
    const auto sep = text.find(loc.timeSeparator);
    const auto minuteAt = sep + loc.timeSeparator.size();
    w.ComboBoxHour.text = text.substr(0, sep);
    w.ComboBoxMinute.text = text.substr(minuteAt, 2);
    // The designator is whatever follows the time ("PM", "A. M."), not two fixed characters.
    if (!h24) w.ComboBoxAMPM.text = text.substr(text.find(' ', minuteAt) + 1);
    UpdateAlarmDisplay(app);
    runStep(app, Step::SyncAlarmUpDowns);
    runStep(app, Step::RefreshMilestones);
    runStep(app, Step::StoreCityAlarm);
    SaveAllSettings(app); // a crash must not lose the new alarm
}

void installNowPlus(Application& app) {
    MainWindow& w = mainWindow(app);
    handle(app, w.ComboBoxNowPlus, Event::Change, "ComboBoxNowPlusChange",
           [&app] { ComboBoxNowPlusChange(app); });
    // Nothing can be typed; Enter checks the alarm boxes as in the boxes themselves.
    handle(app, w.ComboBoxNowPlus, Event::KeyPress, "ComboBoxNowPlusKeyPress", [&app] {
        KeyEvent* key = app.currentKey();
        if (!key) return;
        if (key->character() == '\r') {
            ComboBoxHourExit(app);
            ComboBoxMinuteExit(app);
            ComboBoxSnoozeExit(app);
            rewriteNowPlus(app);
        }
        key->suppressed = true;
    });
    handle(app, w.UpDown3, Event::Click, "UpDown3Click", [&app] {
        rewriteNowPlus(app);
        UpdateAlarmDisplay(app);
    });
    handle(app, w.UpDown3, Event::MouseUp, "UpDown3MouseUp", [&app] {
        rewriteNowPlus(app);
        ComboBoxNowPlusChange(app);
    });
}

} // namespace kelvaro
