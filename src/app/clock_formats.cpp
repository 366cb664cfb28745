#include "app/clock_formats.h"
#include "app/windows.h"
#include "framework/translatable.h"

#include "framework/application.h"
#include "framework/conversions.h"
#include "framework/datetime.h"
#include "framework/handle.h"
#include "settings/settings_store.h"

namespace kelvaro {

namespace {

struct Layout {
    const char* caption;
    int hourLeft, minuteLeft, hrLeft, minLeft, upDown2Left, upDown1Left, hourMin, hourMax;
};

constexpr Layout k24{KV_TR("Atomic Clock 24hr Time"), 170, 280, 228, 338, 211, 321, 0, 23};
constexpr Layout k12{KV_TR("Atomic Clock 12hr Time"), 160, 240, 218, 298, 201, 281, 1, 12};

} // namespace

std::string TwoDigits(long long n) {
    std::string s = intToStr(n);
    return (n >= 0 && n <= 9) ? "0" + s : s;
}

bool is24Hour(Application& app) {
    return mainWindow(app).N24HourFormat1.checked;
}

const char* clockFormat(Application& app) {
    return is24Hour(app) ? "hh:mm" : "h:mm AMPM";
}

void UpdateAlarmDisplay(Application& app) {
    const LocaleInfo& loc = app.locale();
    std::string text =
        mainWindow(app).ComboBoxHour.text + loc.timeSeparator + mainWindow(app).ComboBoxMinute.text;
    if (!is24Hour(app)) text += " " + mainWindow(app).ComboBoxAMPM.text;
    const DateTime t = strToTimeOrThrow(text, loc);
    Control& label = mainWindow(app).LabelAlarmTime;
    label.caption = formatDateTime(clockFormat(app), t, loc);
    mainWindow(app).LabelATimeShadow.caption = label.caption;
    const DateTime shown = strToTimeOrThrow(label.caption, loc);
    const DateTime noon = strToTimeOrThrow("12" + loc.timeSeparator + "00 " + loc.pmDesignator, loc);
    mainWindow(app).ImagePM.visible = toMilliseconds(shown) >= toMilliseconds(noon);
}

void ApplyClockLayout(Application& app) {
    const bool h24 = is24Hour(app);
    const Layout& l = h24 ? k24 : k12;
    mainWindow(app).Label1224.caption = l.caption;
    mainWindow(app).ComboBoxHour.left = l.hourLeft;
    mainWindow(app).ComboBoxMinute.left = l.minuteLeft;
    mainWindow(app).LabelHr.left = l.hrLeft;
    mainWindow(app).LabelMin.left = l.minLeft;
    Control& up2 = mainWindow(app).UpDown2;
    up2.left = l.upDown2Left;
    up2.min = l.hourMin;
    up2.max = l.hourMax;
    mainWindow(app).UpDown1.left = l.upDown1Left;
    Control& ampm = mainWindow(app).ComboBoxAMPM;
    ampm.enabled = !h24;
    ampm.visible = !h24;
    mainWindow(app).LabelAMPM.visible = !h24;
    Control& hour = mainWindow(app).ComboBoxHour;
    hour.items.clear();
    for (int h = l.hourMin; h <= l.hourMax; ++h)
        hour.items.push_back(TwoDigits(h));
}

void N24HourFormat1Click(Application& app) {
    const LocaleInfo& loc = app.locale();
    Control& item = mainWindow(app).N24HourFormat1;
    Control& ampm = mainWindow(app).ComboBoxAMPM;
    std::string h = mainWindow(app).ComboBoxHour.text;
    item.checked = !item.checked;
    if (item.checked) {
        if (sameText(ampm.text, loc.amDesignator)) {
            if (h == "12") h = "00";
        } else {
            const int hour = strToInt(h);
            if (hour < 12) h = TwoDigits(hour + 12);
        }
    } else {
        ampm.text = upperCaseUtf8(loc.amDesignator);
        if (h == "00") {
            h = "12";
        } else if (h == "12") {
            ampm.text = upperCaseUtf8(loc.pmDesignator);
        } else {
            const int hour = strToInt(h);
            if (hour > 12) {
                ampm.text = upperCaseUtf8(loc.pmDesignator);
                h = TwoDigits(hour - 12);
            }
        }
    }
    ApplyClockLayout(app);
    mainWindow(app).ComboBoxHour.text = h;
    ampm.text = upperCaseUtf8(ampm.text);
    UpdateAlarmDisplay(app);
    SaveAllSettings(app);
}

void installClockFormats(Application& app) {
    handle(app, mainWindow(app).N24HourFormat1, Event::Click, "N24HourFormat1Click",
           [&app] { N24HourFormat1Click(app); });
    app.defineOperation("UpdateAlarmDisplay", [&app] { UpdateAlarmDisplay(app); });
    app.defineOperation("TwoDigits", [](const Args& a) { return TwoDigits(a.empty() ? 0 : strToInt(a[0])); });
}

} // namespace kelvaro
