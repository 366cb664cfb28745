// The settings notebook: its pages and the controls of the settings it holds,
// in the states they have before any setting is read.
#include "app/windows.h"
#include "framework/form_builder.h"

namespace kelvaro {

namespace {

Control& addPage(Form& f, const std::string& name, const std::string& caption) {
    Control& page = f.add(name, ControlKind::TabSheet, "PageControl1");
    page.caption = caption;
    return page;
}

void addSettingsPage(Form& f) {
    const std::string p = addPage(f, "TabSheetSettings", "Settings").name;
    struct Box {
        const char* name;
        const char* caption;
        bool checked;
    };
    // Left column, then right column.
    const Box boxes[] = {
        {"CheckBoxAlarmOnce1", "Turn OFF Alarm after Alarm (Alarm Once)", false},
        {"CheckBoxSnooze1", "Snooze Enabled", true},
        {"CheckBoxMonitorOff", "Don't Turn OFF Monitor during Sleep", false},
        {"CheckBoxVolumeMuteFix1", "Don't Adjust Volume (mute fix)", false},
        {"CheckBoxStopHybernateandSleep1", "Stop Hibernate and Stand-by", true},
        {"CheckBoxShowKVTimeinTaskBar1", "Show City Time in Task Bar Clock", true},
        {"CheckBoxShowMilestones", "Allow Super Alarm", true},
        {"CheckBoxWarnifChangingSettings1", "Warn if Changing Settings", false},
        {"CheckBoxSayTimeEveryHour1", "Say Hour Every Hour", true},
        {"CheckBoxQuietAfterBedTime1", "Don't say Hour After Sleep", true},
        {"CheckBoxSpeakDuringAlarm1", "Speak During Alarm", true},
        {"CheckBoxAllowTimeUpdate", "Allow Auto Time Update", true},
        {"CheckBoxAutoStartwithWindows1", "Automatically Runs when Windows Starts", true},
        {"CheckBoxLowBattCheck1", "Warn if Battery is below 5%", true},
    };
    int i = 0;
    for (const Box& b : boxes) {
        const int column = i < 8 ? 0 : 1;
        const int row = column == 0 ? i : i - 8;
        addCheckBox(f, b.name, b.caption, b.checked, {10 + column * 280, 10 + row * 24, 270, 20}, p);
        ++i;
    }
    addLabel(f, "LabelMusicSeconds", "Turn Music OFF after (min)", {10, 214, 170, 16}, p);
    Control& music = addCombo(f, "ComboBoxMusicSeconds", "120", {184, 210, 60, 22}, p);
    music.items = {"0", "5", "10", "15", "20", "30", "45", "60", "90", "120", "180", "240"};
    addLabel(f, "LabelSnoozeSeconds", "Snooze after (min)", {290, 214, 130, 16}, p);
    Control& snooze = addCombo(f, "ComboBoxSnoozeSeconds", "0", {424, 210, 60, 22}, p);
    snooze.items = {"0", "1", "2", "3", "5", "10", "15", "20", "30", "45", "60"};
    addButton(f, "GradBtnnClose", "OK", {470, 300, 80, 26}, p);
}

void addMusicOrder(Form& f) {
    const std::string wave = addPage(f, "TabSheetWave", "MP3 and Wave Music").name;
    addRadio(f, "RadioButtonWInOrder", "In Order", true, "wave", {10, 10, 100, 20}, wave);
    addRadio(f, "RadioButtonWRandom", "Shuffle", false, "wave", {120, 10, 100, 20}, wave);
    addCheckBox(f, "CheckBoxSTNewMusic", "Different Music each Super Alarm Time", true, {10, 288, 300, 20},
                wave);
    addRadio(f, "RadioButtonWSingle", "Repeat", false, "wave", {230, 10, 100, 20}, wave);
    const std::string cd = addPage(f, "TabSheetCD", "CD Music").name;
    addRadio(f, "RadioButtonCDInOrder", "In Order", false, "cd", {10, 10, 100, 20}, cd);
    addRadio(f, "RadioButtonCDRandom", "Shuffle", false, "cd", {120, 10, 100, 20}, cd);
    addRadio(f, "RadioButtonCDSingle", "Repeat", false, "cd", {230, 10, 100, 20}, cd);
    addRadio(f, "RadioButtonCDWhole", "Whole CD", true, "cd", {340, 10, 100, 20}, cd);
}

void addWebTimePage(Form& f) {
    const std::string p = addPage(f, "TabSheetWebTime", "Get Web Time Sync").name;
    addLabel(f, "LabelTimeHost", "Time Server", {10, 14, 90, 16}, p);
    addCombo(f, "ComboBoxTimeHostName", "", {104, 10, 260, 22}, p);
    addLabel(f, "LabelLastTimeSynchTitle", "Last Time Synch", {10, 44, 90, 16}, p);
    addLabel(f, "LabelLastTimeSynch", "", {104, 44, 260, 16}, p);
}

void addDebugPage(Form& f) {
    const std::string p = addPage(f, "TabSheetDebug", "Debug").name;
    f.find(p)->visible = false;
    // Room below for the two rows of host boxes inside the page's 330 pixels.
    place(f.add("Memo1", ControlKind::Memo, p), {10, 8, 520, 256});
}

} // namespace

void buildSettingsNotebook(Form& f) {
    f.caption = "Kelvaro Clock Settings";
    f.width = 570;
    f.height = 360;
    place(f.add("PageControl1", ControlKind::PageControl), {0, 0, 570, 360});
    addSettingsPage(f);
    addMusicOrder(f);
    addWebTimePage(f);
    addDebugPage(f);
    f.activePage = "TabSheetSettings";
}

void buildNightScreen(Form& f) {
    f.caption = "Kelvaro Clock";
    f.borderless = true;
    f.bgcolor = 0x000000;
}

} // namespace kelvaro
