#pragma once
// The program's windows and typed handles to their controls. The windows are
// built by name (views, scripts and the settings file know controls by name);
// inside the program every feature reaches a control through these handles,
// so a misspelt control fails the build instead of a user.
#include "framework/form.h"

namespace kelvaro {

class Application;

// Every control of a window that exists once the windows are built, in creation
// order. Controls made at run time (the cities' menu items) are not listed.
// clang-format off
#define KELVARO_MAIN_WINDOW_CONTROLS(X) \
    X(MainMenu) X(Alarm1) X(ON1) X(OFF1) X(N3) X(N24HourFormat1) X(N4) X(LockSettings1) \
    X(Settings1) X(SetAlarmTime1) X(SundayAlarmSeperate1) X(DaysSettings1) X(MusicSettings1) \
    X(CDPlayer1) X(MP3Music1) X(WebRadioTV1) X(MIDIMusic1) X(Ding1) X(ProgramofYourChoice1) \
    X(Cities1) X(TimeSettings1) X(Window1) X(UsePopUpHints1) X(Minimize1) X(About1) X(N9) X(Close1) \
    X(LabelTime) X(LabelTime2) X(LabelSeconds) X(LabelSeconds2) X(LabelDate) X(Labelver) \
    X(LabelBattery) X(Labelsteh) X(Labelsda) X(LightCheckTimer) X(LightCheckSnooze) \
    X(LightCheckOnLine) X(ImageMain) X(ButtonStopAlarm) X(CheckBoxLock) X(LabelAlarmOFF) \
    X(ImageAlarmON) X(ImageAlarmOFF) X(LabelMusicTime) X(LabelSnoozeTime) X(LabelCDTrack) X(Flash1) \
    X(Timer1) X(AdvPanelSetting) X(LabelAlarmTime) X(LabelATimeShadow) X(Label1224) X(ImagePM) \
    X(ComboBoxHour) X(UpDown2) X(LabelHr) X(ComboBoxMinute) X(UpDown1) X(LabelMin) X(ComboBoxAMPM) \
    X(LabelAMPM) X(ComboBoxSnooze) X(LabelSnooze) X(EditProgramParams) X(LabelProgramParams) \
    X(LabelTZ) X(AddNewTimeZone1) X(Sunday1) X(Monday1) X(Tuesday1) X(Wednesday1) X(Thursday1) \
    X(Friday1) X(Saturday1) X(DaysPresetsSeparator1) X(WeekDaysOnly1) X(WeekendsOnly1) X(AllDays1) \
    X(LabelSound) X(LabelSort) X(LabelDays) X(LabelUnderLineDay) X(LabelSundayAlarm) \
    X(LabelSundayAlarm1) X(ButtonTestVolume) X(LightCheckTestVolume) X(LabelSnoozz) \
    X(LabelSnozDiff) X(PanelMoon) X(Moon1) X(GetWebTimeSynch1) X(LightCheckUpDated) X(PanelBanner) \
    X(WebBrowserTop) X(LabelMaxB) X(BevelCD) X(TrackBarCD) X(SetSuperAlarm1) X(LabelAtime) \
    X(Labelss) X(Labelsd) X(Labelse) X(Labelsdr) X(Labelsb1) X(Labelsb2) X(Labelsb3) \
    X(LabelNowPlus) X(ComboBoxNowPlus) X(UpDown3) \
    X(LabelLowBattery) X(Sleep1) \
    X(SaveSettingstoFloppy1) X(RestoreSettingsfromFloppy1) \
    X(PopupMenu1) X(AlarmON1) X(Close2) X(N1) X(SayCurrentTime1) X(SayAlarmTime1) X(Sleep2) X(N2) X(Minimize2) X(Maximize1) X(ImagePower) X(EMailKelvaroSupport1) X(KelvaroWebSite1) \
    X(PanelKV) \
    X(TimerGentleStart)
// clang-format on
// clang-format off
#define KELVARO_NOTEBOOK_CONTROLS(X) \
    X(PageControl1) X(TabSheetCities) X(TabSheetSettings) X(CheckBoxAlarmOnce1) X(CheckBoxSnooze1) \
    X(CheckBoxMonitorOff) X(CheckBoxVolumeMuteFix1) X(CheckBoxStopHybernateandSleep1) \
    X(CheckBoxShowKVTimeinTaskBar1) X(CheckBoxShowMilestones) X(CheckBoxWarnifChangingSettings1) \
    X(CheckBoxSayTimeEveryHour1) X(CheckBoxQuietAfterBedTime1) X(CheckBoxSpeakDuringAlarm1) \
    X(CheckBoxAllowTimeUpdate) X(CheckBoxAutoStartwithWindows1) X(CheckBoxLowBattCheck1) \
    X(LabelMusicSeconds) X(ComboBoxMusicSeconds) X(LabelSnoozeSeconds) X(ComboBoxSnoozeSeconds) \
    X(GradBtnnClose) X(TabSheetWave) X(RadioButtonWInOrder) X(RadioButtonWRandom) \
    X(CheckBoxSTNewMusic) X(RadioButtonWSingle) X(TabSheetCD) X(RadioButtonCDInOrder) \
    X(RadioButtonCDRandom) X(RadioButtonCDSingle) X(RadioButtonCDWhole) X(TabSheetWebRadio) \
    X(TabSheetWebTime) X(LabelTimeHost) X(ComboBoxTimeHostName) X(LabelLastTimeSynchTitle) \
    X(LabelLastTimeSynch) X(TabSheetDebug) X(Memo1) X(LabelCitiesColumns) X(MgridCities) \
    X(LabelCitiesInsert) X(LabelCitiesDelete) X(GradBtnnMyCities) X(MgridWave) X(MgridCD) \
    X(MgridWebRadio) X(UpDownMusicSeconds) X(UpDownSnoozeSeconds) X(LabelMusicSecondsNote) \
    X(LabelSnoozeSecondsNote) X(CheckBoxEnableDualAlarm1) X(GradBtnnGetTime) X(GradBtnnSetTime) \
    X(LightCheckgettime) X(LabelWebTimeTitle) X(LabelWebTime) X(LabelLocalTimeTitle) \
    X(LabelLocalTime) X(LabelWebTimeNote) X(LabelWebTimeNote2) X(GradBtnnOKWT) X(EditMyIP1) \
    X(EditMyIP2) X(EditFTPIP1) X(EditFTPIP2) X(ButtonAddWave) X(ButtonSortWave) X(ButtonUpdateWave) \
    X(ButtonAddCD) X(ButtonSortCD) X(ButtonUpdateCD) X(ButtonSortWebRadio) X(ButtonUpdateWebRadio) \
    X(LabelAddWebRadio) X(LabelMoveRow) X(LabelSTSteps) X(LabelCityZone) X(ComboBoxZone) \
    X(LabelZoneOfCity) X(GradBtnnUseZone) X(GradBtnnNoZone) X(TabSheetSuperAlarm) X(LabelStep1) \
    X(Edit1M) X(LabelStep2) X(Edit2M) X(LabelStep3) X(Edit3M) X(LabelStep4) X(Edit4M) X(LabelStep5) \
    X(Edit5M) X(LabelStep6) X(Edit6M) X(LabelStep7) X(Edit7M) X(LabelStep8) X(Edit8M) X(LabelStep9) \
    X(Edit9M) X(LabelTargetTime) X(ComboBoxHourM) X(UpDownHourM) X(ComboBoxMinuteM) \
    X(UpDownMinuteM) X(ComboBoxAMPMM) X(EditBT) X(LabelSleepHours) X(LabelBedTime) X(EditBTT) \
    X(LabelFor) X(LabelMCity) X(LabelAlarmTimeTitle) X(LabelMAlarmTime) X(Edit1MT) \
    X(LabelAlarmNotSet) X(LabelSuperAlarmTimes) X(LabelStartShower) X(Edit2MT) X(LabelStartDress) \
    X(Edit3MT) X(LabelStartEatMisc) X(Edit4MT) X(LabelLeaveHouse) X(LabelStartDrive) X(Edit5MT) \
    X(GradBtnnMSaveDefaults) X(GradBtnnMUseDefaults) X(GradBtnnMSetAlarm) \
    X(GradBtnnChangeTimeFontSize1) \
    X(LabelLateLimit) X(ComboBoxLateLimit) X(LabelLateLimitUnit) X(LabelGentleStart) X(ComboBoxGentleStart) X(LabelGentleStartUnit) \
    X(LabelLanguage) X(ComboBoxLanguage)
// clang-format on
// clang-format off
#define KELVARO_NIGHT_SCREEN_CONTROLS(X) \
    X(LabelTime) X(Label1) X(Label2) X(LabelATime) X(LabelCity) X(LabelStBy)
// clang-format on
#define KELVARO_CONTROL_HANDLE(name) Control& name;

// "TFormKelvaro": the clock.
struct MainWindow {
    static constexpr const char* kName = "TFormKelvaro";
    Form& form;
    KELVARO_MAIN_WINDOW_CONTROLS(KELVARO_CONTROL_HANDLE)
};

// "TFormCity": the settings notebook with its lists.
struct SettingsNotebook {
    static constexpr const char* kName = "TFormCity";
    Form& form;
    KELVARO_NOTEBOOK_CONTROLS(KELVARO_CONTROL_HANDLE)
};

// "TFormScreenBlank": the night screen.
struct NightScreen {
    static constexpr const char* kName = "TFormScreenBlank";
    Form& form;
    KELVARO_NIGHT_SCREEN_CONTROLS(KELVARO_CONTROL_HANDLE)
};

#undef KELVARO_CONTROL_HANDLE

// The handles, valid once bindWindows has run (after every control is added).
MainWindow& mainWindow(Application& app);
SettingsNotebook& notebook(Application& app);
NightScreen& nightScreen(Application& app);

void buildMainWindow(Form& form);
void buildSettingsNotebook(Form& form);
void buildNightScreen(Form& form);

// Binds the handles to the built windows; throws std::logic_error naming a
// listed control that no window has.
void bindWindows(Application& app);

// The settings notebook opened modally on one of its pages (null: the page it shows).
void OpenNotebookOn(Application& app, const Control* page);

// Creates the three windows of a start, in their order, and wires every feature.
void assembleProgram(Application& app);

} // namespace kelvaro
