// Choosing the sound source in the "&Music Settings" menu, with the warning for
// a program and the dialogs that pick the MIDI file and the program.
#include "app/show_note.h"
#include "app/steps.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/handle.h"
#include "framework/translatable.h"
#include "settings/settings_lock.h"
#include "settings/settings_store.h"
#include "sound/alarm_sound.h"
#include "sound/sound_paths.h"

#include <array>
#include <filesystem>

namespace kelvaro {

namespace {

constexpr const char* kProgramWarning =
    KV_TR("!!!WARNING!!! \nYour Program may NOT be able to make a Sound to Alert You.");
constexpr const char* kNotASoundFile = KV_TR("Not a valid Sound File, Try Again!");
constexpr const char* kNotAProgram = KV_TR("Not a valid Program, Try Again!");

std::array<Control*, 6> sourceItems(Application& app) {
    MainWindow& w = mainWindow(app);
    return {&w.CDPlayer1, &w.MP3Music1, &w.WebRadioTV1, &w.MIDIMusic1, &w.Ding1, &w.ProgramofYourChoice1};
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

void showProgramParams(Application& app, bool shown) {
    mainWindow(app).LabelProgramParams.visible = shown;
    Control& edit = mainWindow(app).EditProgramParams;
    edit.visible = shown;
    edit.enabled = shown;
}

void chooseMidiFile(Application& app) {
    RaiseHold hold(app.main);
    const auto file = app.platform().dialogs->chooseFile(
        {KV_TR("Choose the alarm's MIDI file"), KV_TR("MIDI") "|*.mid", folderPart(app.main.MIDIPath)});
    if (file) {
        if (fileExists(*file)) {
            if (!ConfirmSettingChange(app)) app.main.MIDIPath = *file;
        } else {
            ShowNote(app, kNotASoundFile, true);
            app.box(BoxKind::Error, kNotASoundFile);
        }
    }
}

// Any file the system may run; a script or a program without ".exe" alike.
void chooseProgram(Application& app) {
    RaiseHold hold(app.main);
    const auto file =
        app.platform().dialogs->chooseFile({KV_TR("Choose the program to run at the alarm"),
                                            KV_TR("Programs") "|*", folderPart(app.main.ProgramPath)});
    if (file) {
        Shell* shell = app.platform().shell;
        if (!shell->isExecutable(*file)) {
            ShowNote(app, kNotAProgram, true);
            app.box(BoxKind::Error, kNotAProgram);
        } else if (!ConfirmSettingChange(app)) {
            app.main.ProgramPath = *file;
        }
    }
}

} // namespace

void ChooseSoundSource(Application& app, Control& item) {
    if (ConfirmSettingChange(app)) return;
    MainWindow& w = mainWindow(app);
    SettingsNotebook& nb = notebook(app);
    if (&item == &w.ProgramofYourChoice1) {
        RaiseHold hold(app.main);
        ShowNote(app, kProgramWarning, true);
        const Answer a =
            app.box(BoxKind::Confirmation, fillPattern(KV_TR("%1\nAre you sure?"), {kProgramWarning}),
                    {Answer::Yes, Answer::Cancel});
        if (a != Answer::Yes) return;
        showProgramParams(app, true);
    } else {
        showProgramParams(app, false);
    }
    app.setChecked(item, true);
    runStep(app, Step::StoreCityDays); // the status line names the new source
    SaveAllSettings(app);
    if (&item == &w.CDPlayer1)
        OpenNotebookOn(app, &nb.TabSheetCD);
    else if (&item == &w.MP3Music1)
        OpenNotebookOn(app, &nb.TabSheetWave);
    else if (&item == &w.WebRadioTV1)
        OpenNotebookOn(app, &nb.TabSheetWebRadio);
    else if (&item == &w.MIDIMusic1)
        chooseMidiFile(app);
    else if (&item == &w.ProgramofYourChoice1)
        chooseProgram(app);
}

void installSoundChoice(Application& app) {
    for (Control* item : sourceItems(app)) {
        handle(app, *item, Event::Click, item->name + "Click",
               [&app, item] { ChooseSoundSource(app, *item); });
    }
    app.defineOperation("ChooseSoundSource", [&app](const Args& a) {
        if (!a.empty()) ChooseSoundSource(app, app.ctl(a[0])); // a script names the item
        return std::string();
    });
}

} // namespace kelvaro
