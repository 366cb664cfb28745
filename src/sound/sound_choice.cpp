// Choosing the sound source in the "&Music Settings" menu, with the warning for
// a program and the dialogs that pick the MIDI file and the program.
#include "framework/application.h"
#include "app/show_note.h"
#include "settings/settings_lock.h"
#include "settings/settings_store.h"
#include "sound/alarm_sound.h"
#include "sound/sound_paths.h"

#include <filesystem>

namespace kelvaro {

namespace {

constexpr const char* kProgramWarning =
    "!!!WARNING!!! \nYour Program may NOT be able to make a Sound to Alert You.";
constexpr const char* kNotASoundFile = "Not a valid Sound File, Try Again!";
constexpr const char* kNotAProgram = "Not a valid Program, Try Again!";

const char* const kSourceItems[] = {"CDPlayer1",  "MP3Music1", "WebRadioTV1",
                                    "MIDIMusic1", "Ding1",     "ProgramofYourChoice1"};

bool fileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

void showProgramParams(Application& app, bool shown) {
    app.ctl("LabelProgramParams").visible = shown;
    Control& edit = app.ctl("EditProgramParams");
    edit.visible = shown;
    edit.enabled = shown;
}

void openNotebookOn(Application& app, const char* page) {
    app.main.MayRaiseWindow = false;
    app.form("TFormCity").activePage = page;
    app.showModal("TFormCity", [&app] { app.main.MayRaiseWindow = true; });
}

void chooseMidiFile(Application& app) {
    app.main.MayRaiseWindow = false;
    const auto file = app.platform().dialogs->chooseFile(
        {"Choose the alarm's MIDI file", "MIDI|*.mid", folderPart(app.main.MIDIPath)});
    if (file) {
        if (fileExists(*file)) {
            if (!ConfirmSettingChange(app)) app.main.MIDIPath = *file;
        } else {
            ShowNote(app, kNotASoundFile, true);
            app.box(BoxKind::Error, kNotASoundFile);
        }
    }
    app.main.MayRaiseWindow = true;
}

// Any file the system may run; a script or a program without ".exe" alike.
void chooseProgram(Application& app) {
    app.main.MayRaiseWindow = false;
    const auto file = app.platform().dialogs->chooseFile(
        {"Choose the program to run at the alarm", "Programs|*", folderPart(app.main.ProgramPath)});
    if (file) {
        Shell* shell = app.platform().shell;
        if (!shell || !shell->isExecutable(*file)) {
            ShowNote(app, kNotAProgram, true);
            app.box(BoxKind::Error, kNotAProgram);
        } else if (!ConfirmSettingChange(app)) {
            app.main.ProgramPath = *file;
        }
    }
    app.main.MayRaiseWindow = true;
}

} // namespace

void ChooseSoundSource(Application& app, const std::string& item) {
    if (ConfirmSettingChange(app)) return;
    if (item == "ProgramofYourChoice1") {
        app.main.MayRaiseWindow = false;
        ShowNote(app, kProgramWarning, true);
        const Answer a = app.box(BoxKind::Confirmation, std::string(kProgramWarning) + "\nAre you sure?",
                                 {Answer::Yes, Answer::Cancel});
        if (a != Answer::Yes) {
            app.main.MayRaiseWindow = true;
            return;
        }
        showProgramParams(app, true);
    } else {
        showProgramParams(app, false);
    }
    app.main.MayRaiseWindow = true;
    app.setChecked(item, true);
    app.hook("StoreCityDays"); // the status line names the new source
    SaveAllSettings(app);
    if (item == "CDPlayer1")
        openNotebookOn(app, "TabSheetCD");
    else if (item == "MP3Music1")
        openNotebookOn(app, "TabSheetWave");
    else if (item == "WebRadioTV1")
        openNotebookOn(app, "TabSheetWebRadio");
    else if (item == "MIDIMusic1")
        chooseMidiFile(app);
    else if (item == "ProgramofYourChoice1")
        chooseProgram(app);
}

void installSoundChoice(Application& app) {
    for (const char* item : kSourceItems) {
        const std::string name = item;
        app.ctl(name).handlers[Event::Click] = name + "Click";
        app.defineOperation(name + "Click", [&app, name] { ChooseSoundSource(app, name); });
    }
    app.defineOperation("ChooseSoundSource", [&app](const Args& a) {
        if (!a.empty()) ChooseSoundSource(app, a[0]);
        return std::string();
    });
}

} // namespace kelvaro
