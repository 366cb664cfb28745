// The main window's controls with their layout and the states they have before
// any setting is read.
#include "app/windows.h"
#include "framework/form_builder.h"
#include "framework/translatable.h"

namespace kelvaro {

namespace {

// "07"; not "0" + text, which GCC 12 flags with a false -Wrestrict at -O2.
std::string twoDigits(int value) {
    std::string text = std::to_string(value);
    if (text.size() < 2) text.insert(text.begin(), '0');
    return text;
}

void addMainMenu(Form& f) {
    f.add("MainMenu", ControlKind::Menu);
    addMenu(f, "Alarm1", KV_TR("&Alarm"));
    Control& on = addMenuItem(f, "ON1", KV_TR("&ON"), "Alarm1", true, "alarm");
    on.shortcut = "Ctrl+O";
    Control& off = addMenuItem(f, "OFF1", KV_TR("OF&F"), "Alarm1", false, "alarm");
    off.shortcut = "Ctrl+F";
    addSeparator(f, "N3", "Alarm1");
    addMenuItem(f, "N24HourFormat1", KV_TR("&12 / 24 Hour Format"), "Alarm1");
    addSeparator(f, "N4", "Alarm1");
    addMenuItem(f, "LockSettings1", KV_TR("&Lock Settings"), "Alarm1");
    addMenuItem(f, "Settings1", KV_TR("&Even More Settings"), "Alarm1");

    addMenu(f, "SetAlarmTime1", KV_TR("&Set Alarm Time"));
    addMenuItem(f, "SundayAlarmSeperate1", KV_TR("S&undays have seperate Alarm Time"), "SetAlarmTime1");
    addMenu(f, "DaysSettings1", KV_TR("&Days Settings"));
    addMenu(f, "MusicSettings1", KV_TR("&Music Settings"));
    addMenuItem(f, "CDPlayer1", KV_TR("&CD"), "MusicSettings1", false, "sound");
    addMenuItem(f, "MP3Music1", KV_TR("&MP3, MPEG Video, Wave"), "MusicSettings1", false, "sound");
    addMenuItem(f, "WebRadioTV1", KV_TR("Web Radio/TV"), "MusicSettings1", false, "sound");
    addMenuItem(f, "MIDIMusic1", KV_TR("MI&DI"), "MusicSettings1", true, "sound");
    addMenuItem(f, "Ding1", KV_TR("System &Ding"), "MusicSettings1", false, "sound");
    addMenuItem(f, "ProgramofYourChoice1", KV_TR("~&Run Your Program"), "MusicSettings1", false, "sound");

    addMenu(f, "Cities1", KV_TR("&Cities"));
    addMenu(f, "TimeSettings1", KV_TR("&Time Settings"));

    addMenu(f, "Window1", KV_TR("&Window"));
    addMenuItem(f, "UsePopUpHints1", KV_TR("&Use PopUp Hints"), "Window1", true);
    addMenuItem(f, "Minimize1", KV_TR("&Minimize"), "Window1");
    addMenuItem(f, "About1", KV_TR("&About"), "Window1");
    addSeparator(f, "N9", "Window1");
    addMenuItem(f, "Close1", KV_TR("&Close"), "Window1");
}

void addClock(Form& f) {
    // Wide enough for the widest 12-hour time ("10:00 AM") at this size.
    Control& time = addLabel(f, "LabelTime", "", {96, 104, 272, 58});
    time.fontSize = 38;
    time.bold = true;
    time.color = 0x000000;
    addLabel(f, "LabelTime2", "", {0, 0, 0, 0}).visible = false; // the shadow copy of the clock
    Control& seconds = addLabel(f, "LabelSeconds", "", {370, 110, 38, 30});
    seconds.fontSize = 18;
    addLabel(f, "LabelSeconds2", "", {0, 0, 0, 0}).visible = false;
    Control& date = addLabel(f, "LabelDate", "", {96, 164, 330, 20});
    date.fontSize = 11;
    addLabel(f, "Labelver", "", {452, 282, 60, 14}).fontSize = 7;
    addLabel(f, "LabelBattery", "", {400, 164, 110, 16}).visible = false;
    addLabel(f, "Labelsteh", "\xc3\xbe", {0, 0, 0, 0}).visible = false; // glyph mirror of "Say Hour"
    addLabel(f, "Labelsda", "\xc3\xbe", {0, 0, 0, 0}).visible = false;
    addLamp(f, "LightCheckTimer", 0x00FF00, 0x008000, {8, 30, 10, 10}).hint =
        KV_TR("Clock running = blinks every second");
    // Blue when lit; its hint comes with the snooze.
    addLamp(f, "LightCheckSnooze", 0xFF0000, 0x808080, {8, 44, 10, 10});
    addLamp(f, "LightCheckOnLine", 0x00FF00, 0x808080, {8, 58, 10, 10}).hint = KV_TR("On Line = Green");
    place(f.add("ImageMain", ControlKind::Image), {0, 0, 0, 0}).visible = false;
    Control& stop = addButton(f, "ButtonStopAlarm", KV_TR("Stop Alarm"), {410, 104, 100, 26});
    stop.enabled = false;
    addCheckBox(f, "CheckBoxLock", KV_TR("Lock"), false, {410, 136, 100, 20});
    Control& offLine = addLabel(f, "LabelAlarmOFF", "~~~~~~~~~~~", {410, 190, 100, 16});
    offLine.visible = false;
    offLine.color = 0x0000FF; // red
    offLine.bold = true;
    place(f.add("ImageAlarmON", ControlKind::Image), {392, 190, 16, 16}); // the off picture covers it
    place(f.add("ImageAlarmOFF", ControlKind::Image), {392, 190, 16, 16}).visible = false;
    addLabel(f, "LabelMusicTime", "", {8, 266, 150, 14});
    addLabel(f, "LabelSnoozeTime", "", {160, 266, 150, 14});
    addLabel(f, "LabelCDTrack", "", {320, 266, 120, 14});
    Control& flash = f.add("Flash1", ControlKind::Timer);
    flash.interval = 1050;
    flash.enabled = false;
    Control& timer = f.add("Timer1", ControlKind::Timer);
    timer.interval = 1000;
}

void addAlarmPanel(Form& f) {
    Control& panel = place(f.add("AdvPanelSetting", ControlKind::Panel), {0, 190, 400, 70});
    panel.bgcolor = -1;
    const std::string p = "AdvPanelSetting";
    // The alarm time stays on the window itself: the lock hides the boxes, not the time.
    Control& alarm = addLabel(f, "LabelAlarmTime", "", {8, 194, 140, 28});
    alarm.fontSize = 16;
    alarm.bold = true;
    alarm.color = 128;
    addLabel(f, "LabelATimeShadow", "", {0, 0, 0, 0}).visible = false;
    addLabel(f, "Label1224", KV_TR("Atomic Clock 12hr Time"), {8, 224, 150, 14}).fontSize = 7;
    place(f.add("ImagePM", ControlKind::Image), {136, 198, 20, 14}).visible = false;
    Control& hour = addCombo(f, "ComboBoxHour", "07", {160, 8, 40, 22}, p);
    hour.readOnly = true;
    addUpDown(f, "UpDown2", "ComboBoxHour", 1, 12, {201, 8, 16, 22}, p).position = 7;
    addLabel(f, "LabelHr", KV_TR("Hr"), {218, 12, 20, 14}, p);
    Control& minute = addCombo(f, "ComboBoxMinute", "30", {240, 8, 40, 22}, p);
    minute.readOnly = true;
    for (int m = 0; m < 60; ++m)
        minute.items.push_back(twoDigits(m));
    addUpDown(f, "UpDown1", "ComboBoxMinute", 0, 59, {281, 8, 16, 22}, p).position = 30;
    addLabel(f, "LabelMin", KV_TR("Min"), {298, 12, 24, 14}, p);
    Control& ampm = addCombo(f, "ComboBoxAMPM", "", {326, 8, 50, 22}, p);
    ampm.readOnly = true;
    addLabel(f, "LabelAMPM", "", {326, 34, 60, 14}, p).fontSize = 7;
    Control& snooze = addCombo(f, "ComboBoxSnooze", "05", {160, 40, 40, 22}, p);
    snooze.readOnly = true;
    for (int m = 1; m < 60; ++m)
        snooze.items.push_back(twoDigits(m));
    addLabel(f, "LabelSnooze", KV_TR("Snooze min"), {204, 44, 70, 14}, p);
    Control& params = place(f.add("EditProgramParams", ControlKind::Edit), {8, 240, 200, 20});
    params.visible = false;
    params.enabled = false;
    addLabel(f, "LabelProgramParams", KV_TR("Program Parameters"), {8, 226, 200, 14}).visible = false;
}

} // namespace

void buildMainWindow(Form& f) {
    f.caption = KV_TR("Kelvaro Clock");
    f.width = 520;
    f.height = 300;
    f.borderless = true;
    f.bgcolor = 0xE8D8C8;
    addMainMenu(f);
    addClock(f);
    addAlarmPanel(f);
}

} // namespace kelvaro
