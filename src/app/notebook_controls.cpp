// The settings notebook: its pages and the controls of the settings it holds,
// in the states they have before any setting is read.
#include "app/windows.h"
#include "framework/form_builder.h"
#include "framework/translatable.h"

namespace kelvaro {

namespace {

Control& addPage(Form& f, const std::string& name, const std::string& caption) {
    Control& page = f.add(name, ControlKind::TabSheet, "PageControl1");
    page.caption = caption;
    return page;
}

void addSettingsPage(Form& f) {
    const std::string p = addPage(f, "TabSheetSettings", KV_TR("Settings")).name;
    struct Box {
        const char* name;
        const char* caption;
        bool checked;
    };
    // Left column, then right column.
    const Box boxes[] = {
        {"CheckBoxAlarmOnce1", KV_TR("Turn OFF Alarm after Alarm (Alarm Once)"), false},
        {"CheckBoxSnooze1", KV_TR("Snooze Enabled"), true},
        {"CheckBoxMonitorOff", KV_TR("Don't Turn OFF Monitor during Sleep"), false},
        {"CheckBoxVolumeMuteFix1", KV_TR("Don't Adjust Volume (mute fix)"), false},
        {"CheckBoxStopHybernateandSleep1", KV_TR("Stop Hibernate and Stand-by"), true},
        {"CheckBoxShowKVTimeinTaskBar1", KV_TR("Show City Time in Task Bar Clock"), true},
        {"CheckBoxShowMilestones", KV_TR("Allow Super Alarm"), true},
        {"CheckBoxWarnifChangingSettings1", KV_TR("Warn if Changing Settings"), false},
        {"CheckBoxSayTimeEveryHour1", KV_TR("Say Hour Every Hour"), true},
        {"CheckBoxQuietAfterBedTime1", KV_TR("Don't say Hour After Sleep"), true},
        {"CheckBoxSpeakDuringAlarm1", KV_TR("Speak During Alarm"), true},
        {"CheckBoxAllowTimeUpdate", KV_TR("Allow Auto Time Update"), true},
        {"CheckBoxAutoStartwithWindows1", KV_TR("Automatically Runs when Windows Starts"), true},
        {"CheckBoxLowBattCheck1", KV_TR("Warn if Battery is below 5%"), true},
    };
    int i = 0;
    for (const Box& b : boxes) {
        const int column = i < 8 ? 0 : 1;
        const int row = column == 0 ? i : i - 8;
        addCheckBox(f, b.name, b.caption, b.checked, {10 + column * 280, 10 + row * 24, 270, 20}, p);
        ++i;
    }
    addLabel(f, "LabelMusicSeconds", KV_TR("Turn Music OFF after (min)"), {10, 214, 170, 16}, p);
    Control& music = addCombo(f, "ComboBoxMusicSeconds", "120", {184, 210, 60, 22}, p);
    music.items = {"0", "5", "10", "15", "20", "30", "45", "60", "90", "120", "180", "240"};
    addLabel(f, "LabelSnoozeSeconds", KV_TR("Snooze after (min)"), {290, 214, 130, 16}, p);
    Control& snooze = addCombo(f, "ComboBoxSnoozeSeconds", "0", {424, 210, 60, 22}, p);
    snooze.items = {"0", "1", "2", "3", "5", "10", "15", "20", "30", "45", "60"};
    addButton(f, "GradBtnnClose", KV_TR("OK"), {470, 300, 80, 26}, p);
}

void addMusicOrder(Form& f) {
    const std::string wave = addPage(f, "TabSheetWave", KV_TR("MP3 and Wave Music")).name;
    addRadio(f, "RadioButtonWInOrder", KV_TR("In Order"), true, "wave", {10, 10, 100, 20}, wave);
    addRadio(f, "RadioButtonWRandom", KV_TR("Shuffle"), false, "wave", {120, 10, 100, 20}, wave);
    addCheckBox(f, "CheckBoxSTNewMusic", KV_TR("Different Music each Super Alarm Time"), true,
                {10, 288, 300, 20}, wave);
    addRadio(f, "RadioButtonWSingle", KV_TR("Repeat"), false, "wave", {230, 10, 100, 20}, wave);
    const std::string cd = addPage(f, "TabSheetCD", KV_TR("CD Music")).name;
    addRadio(f, "RadioButtonCDInOrder", KV_TR("In Order"), false, "cd", {10, 10, 100, 20}, cd);
    addRadio(f, "RadioButtonCDRandom", KV_TR("Shuffle"), false, "cd", {120, 10, 100, 20}, cd);
    addRadio(f, "RadioButtonCDSingle", KV_TR("Repeat"), false, "cd", {230, 10, 100, 20}, cd);
    addRadio(f, "RadioButtonCDWhole", KV_TR("Whole CD"), true, "cd", {340, 10, 100, 20}, cd);
}

void addWebTimePage(Form& f) {
    const std::string p = addPage(f, "TabSheetWebTime", KV_TR("Get Web Time Sync")).name;
    addLabel(f, "LabelTimeHost", KV_TR("Time Server"), {10, 14, 90, 16}, p);
    addCombo(f, "ComboBoxTimeHostName", "", {104, 10, 260, 22}, p);
    addLabel(f, "LabelLastTimeSynchTitle", KV_TR("Last Time Synch"), {10, 44, 90, 16}, p);
    addLabel(f, "LabelLastTimeSynch", "", {104, 44, 260, 16}, p);
}

void addDebugPage(Form& f) {
    const std::string p = addPage(f, "TabSheetDebug", KV_TR("Debug")).name;
    f.find(p)->visible = false;
    // Room below for the two rows of host boxes inside the page's 330 pixels.
    place(f.add("Memo1", ControlKind::Memo, p), {10, 8, 520, 256});
}

} // namespace

void buildSettingsNotebook(Form& f) {
    f.caption = KV_TR("Kelvaro Clock Settings");
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
    f.caption = KV_TR("Kelvaro Clock");
    f.borderless = true;
    f.bgcolor = 0x000000;
}

} // namespace kelvaro
