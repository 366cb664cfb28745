#include "app/show_note.h"

#include "framework/application.h"

namespace kelvaro {

void ShowNote(Application& app, const std::string& text, bool beep) {
    try {
        if (app.hasOperation("PausePlayerForNote")) app.run("PausePlayerForNote");
        if (app.hasOperation("RaiseLevelsForNote")) app.run("RaiseLevelsForNote");
        if (beep) app.platform().speaker->tone(523, 100);
        if (app.hasOperation("RestoreLevelsAfterNote")) app.run("RestoreLevelsAfterNote", {beep ? "1" : "0"});
    } catch (const std::exception&) {
        return; // a failing mixer or player swallows the note
    }
    app.box(beep ? BoxKind::BeepNote : BoxKind::Note, text);
}

} // namespace kelvaro
