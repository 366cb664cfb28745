// The planner's page of the settings notebook and the plan's lines on the main
// window, in the states they have before any setting is read.
#include "app/features.h"
#include "framework/form_builder.h"
#include "framework/translatable.h"
#include "superalarm/plan_fields.h"

#include <string>

namespace kelvaro {

namespace {

constexpr const char* kHint = KV_TR("From Calculate Alarm Time");

const char* const kStepCaptions[] = {KV_TR("Get Out of Bed"),
                                     KV_TR("Shower"),
                                     KV_TR("Dress"),
                                     KV_TR("Eat or Misc."),
                                     KV_TR("Drive to Work or Airport"),
                                     KV_TR("Return Car Rental"),
                                     KV_TR("Get Airline Tickets"),
                                     KV_TR("Pass Customs"),
                                     KV_TR("Before Work or Boarding Time ")};

std::string twoDigits(int n) {
    std::string text = std::to_string(n);
    if (text.size() < 2) text.insert(text.begin(), '0');
    return text;
}

Control& addEdit(Form& f, const std::string& name, Rect r, const std::string& parent) {
    Control& c = place(f.add(name, ControlKind::Edit, parent), r);
    for (const PlanField& field : kPlanFields)
        if (name == field.name) c.text = field.initial;
    return c;
}

Control& addResult(Form& f, const std::string& name, Rect r, const std::string& p) {
    Control& c = addLabel(f, name, "", r, p);
    c.bold = true;
    return c;
}

void addStepRows(Form& f, const std::string& p) {
    for (int i = 0; i < 9; ++i) {
        const std::string n = std::to_string(i + 1);
        addLabel(f, "LabelStep" + n, kStepCaptions[i], {10, 12 + i * 24, 186, 16}, p);
        addEdit(f, "Edit" + n + "M", {200, 10 + i * 24, 40, 20}, p);
    }
}

void addTargetAndSleep(Form& f, const std::string& p) {
    addLabel(f, "LabelTargetTime", KV_TR("Start Work or Boarding Time "), {10, 238, 186, 16}, p);
    Control& hour = addCombo(f, "ComboBoxHourM", "08", {200, 234, 40, 22}, p);
    for (int h = 1; h <= 12; ++h)
        hour.items.push_back(twoDigits(h));
    addUpDown(f, "UpDownHourM", "ComboBoxHourM", 1, 12, {241, 234, 16, 22}, p).position = 8;
    Control& minute = addCombo(f, "ComboBoxMinuteM", "00", {262, 234, 40, 22}, p);
    minute.items = {"00", "05", "10", "15", "20", "25", "30", "35", "40", "45", "50", "55", "59"};
    addUpDown(f, "UpDownMinuteM", "ComboBoxMinuteM", 0, 59, {303, 234, 16, 22}, p).position = 0;
    Control& ampm = addCombo(f, "ComboBoxAMPMM", "AM", {324, 234, 50, 22}, p);
    ampm.items = {"AM", "PM"};
    for (Control* box : {&hour, &minute, &ampm})
        box->readOnly = true;
    addEdit(f, "EditBT", {10, 264, 30, 20}, p);
    addLabel(f, "LabelSleepHours", KV_TR("Hours Sleep, so get to bed by"), {44, 266, 190, 16}, p);
    addResult(f, "LabelBedTime", {236, 266, 80, 16}, p);
    addEdit(f, "EditBTT", {320, 264, 150, 20}, p);
}

void addResults(Form& f, const std::string& p) {
    addLabel(f, "LabelFor", KV_TR("For"), {280, 10, 28, 16}, p);
    addLabel(f, "LabelMCity", "", {310, 10, 250, 16}, p);
    addLabel(f, "LabelAlarmTimeTitle", KV_TR("ALARM TIME"), {280, 34, 120, 16}, p).bold = true;
    Control& alarm = addResult(f, "LabelMAlarmTime", {280, 52, 124, 26}, p);
    alarm.fontSize = 15;
    alarm.color = 128;
    addEdit(f, "Edit1MT", {410, 56, 150, 20}, p);
    Control& notSet = addLabel(f, "LabelAlarmNotSet", KV_TR("Super Alarm Not Set"), {280, 82, 200, 16}, p);
    notSet.color = 0x0000FF;
    notSet.bold = true;
    addLabel(f, "LabelSuperAlarmTimes", KV_TR("Super Alarm Times"), {280, 106, 200, 16}, p).bold = true;
    const char* const starts[] = {"LabelStartShower", "LabelStartDress", "LabelStartEatMisc"};
    for (int i = 0; i < 3; ++i) {
        addResult(f, starts[i], {280, 130 + i * 24, 80, 16}, p);
        addEdit(f, "Edit" + std::to_string(i + 2) + "MT", {370, 128 + i * 24, 190, 20}, p);
    }
    addLabel(f, "LabelLeaveHouse", KV_TR("Leave the House "), {280, 202, 120, 14}, p).fontSize = 7;
    addResult(f, "LabelStartDrive", {280, 214, 80, 16}, p);
    addEdit(f, "Edit5MT", {370, 204, 190, 20}, p);
}

void addPlanLines(Form& f) {
    // Outside an alarm only the bed-time line shows, while it sounds only the steps
    // and the arrival: they share the strip above the city name.
    const char* const steps[] = {"Labelss", "Labelsd", "Labelse", "Labelsdr"};
    for (int i = 0; i < 4; ++i) {
        Control& line = addLabel(f, steps[i], "", {96 + (i % 2) * 214, (i / 2) * 12, 212, 12});
        line.fontSize = 8;
        line.hint = kHint;
    }
    const Rect bed[] = {{96, 24, 96, 12}, {192, 24, 70, 12}, {262, 24, 200, 12}};
    const char* const names[] = {"Labelsb1", "Labelsb2", "Labelsb3"};
    for (int i = 0; i < 3; ++i) {
        Control& line = addLabel(f, names[i], "", bed[i]);
        line.fontSize = 8;
        line.hint = kHint;
    }
    addLabel(f, "LabelAtime", KV_TR("Alarm Time"), {8, 172, 80, 14}).fontSize = 8;
}

} // namespace

void addSuperAlarmControls(Form& mainWindow, Form& notebook) {
    Control& page = notebook.add("TabSheetSuperAlarm", ControlKind::TabSheet, "PageControl1");
    page.caption = KV_TR("Set Super Alarm Time");
    if (notebook.find("TabSheetWave")) notebook.moveBefore(page.name, "TabSheetWave");
    addStepRows(notebook, page.name);
    addTargetAndSleep(notebook, page.name);
    addResults(notebook, page.name);
    addButton(notebook, "GradBtnnMSaveDefaults", KV_TR("Save as Default"), {10, 296, 130, 26}, page.name);
    addButton(notebook, "GradBtnnMUseDefaults", KV_TR("Use Defaults"), {150, 296, 130, 26}, page.name);
    addButton(notebook, "GradBtnnMSetAlarm", KV_TR("Set Alarm"), {410, 296, 150, 26}, page.name);
    addPlanLines(mainWindow);
    addMenuItem(mainWindow, "SetSuperAlarm1", KV_TR("Set &Super Alarm"), "SetAlarmTime1");
}

} // namespace kelvaro
