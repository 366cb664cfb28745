#include "app/show_note.h"

#include "app/after_remote_answer.h"
#include "app/steps.h"
#include "framework/application.h"

namespace kelvaro {

void ShowNote(Application& app, const std::string& text, bool beep) {
    if (app.main.holdingStartNotes) {
        app.main.startNotes.emplace_back(text, beep);
        return;
    }
    if (RemoteAnswerHold& remote = remoteAnswerHold(app); remote.answering) {
        remote.after.push_back([&app, text, beep] { ShowNote(app, text, beep); });
        return;
    }
    try {
        runStep(app, Step::PausePlayerForNote);
        runStep(app, Step::RaiseLevelsForNote);
        if (beep) app.platform().speaker->tone(523, 100);
        runStep(app, Step::RestoreLevelsAfterNote, {beep ? "1" : "0"});
    } catch (const std::exception&) {
        return; // a failing mixer or player swallows the note
    }
    app.box(beep ? BoxKind::BeepNote : BoxKind::Note, text);
}

} // namespace kelvaro
