// The city clock's font: the button on the settings page, its note, the font
// dialog, and the file "KVFont.RFT" that keeps the choice.
#include "city_clock/city_clock.h"
#include "city_clock/font_file.h"
#include "framework/translatable.h"

#include "app/main_state.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/handle.h"
#include "settings/settings_lock.h"
#include "settings/text_file.h"

namespace kelvaro {

namespace {

constexpr const char* kResizeNote = KV_TR(
    " Note: Resize Taskbar Clock by \n\nFirst Place the Mouse over the Taskbar Clock,\n\nThen Press and hold "
    "the Left Mouse button and the 'Ctrl' key at the same time,\n\nThen drag the Mouse. \n");
constexpr std::size_t kMaxFontFileBytes = 1u << 20; // a font file is a few hundred bytes

void showFont(Application& app, const FontChoice& font) {
    Control& panel = mainWindow(app).PanelKV;
    panel.fontName = font.name;
    panel.fontSize = font.pointSize;
    panel.bold = font.bold;
    panel.italic = font.italic;
    panel.underline = font.underline;
    // The text colour stays the alarm's: the dialog has no say in it.
    app.touch();
}

// Writes the file; a folder that cannot be written keeps the font for this run only.
void saveFont(Application& app, const FontChoice& font) {
    try {
        writeFileAtomically(app.filePath(kCityClockFontFile), writeFontRtf(font));
    } catch (const FileWriteError&) {
    }
}

// The file's font; the default when the file is missing, broken or not rich text.
FontChoice readFontFile(Application& app) {
    const std::string path = app.filePath(kCityClockFontFile);
    TextFileContent content = readTextFileLimited(path, kMaxFontFileBytes);
    if (content.outcome == ReadOutcome::Missing) {
        saveFont(app, FontChoice{});
        content = readTextFileLimited(path, kMaxFontFileBytes);
    }
    if (content.outcome != ReadOutcome::Read) return FontChoice{};
    return readFontRtf(content.text).value_or(FontChoice{});
}

void GradBtnnChangeTimeFontSize1Click(Application& app) {
    if (ConfirmSettingChange(app)) return;
    {
        RaiseHold hold(app.main);
        app.platform().speaker->ding();
        app.box(BoxKind::Information, kResizeNote, {Answer::OK});
    }
    CityClockState& s = cityClockState(app);
    s.font = readFontFile(app);
    std::optional<FontChoice> chosen;
    {
        RaiseHold hold(app.main);
        chosen =
            app.platform().dialogs->chooseFont(s.font, [&app](const FontChoice& f) { showFont(app, f); });
    }
    if (!chosen) return; // what Apply showed stays until the next start
    s.font = *chosen;
    showFont(app, s.font);
    saveFont(app, s.font);
}

} // namespace

void loadCityClockFont(Application& app) {
    CityClockState& s = cityClockState(app);
    s.font = readFontFile(app);
    showFont(app, s.font);
}

void installCityClockFont(Application& app) {
    handle(app, notebook(app).GradBtnnChangeTimeFontSize1, Event::Click, "GradBtnnChangeTimeFontSize1Click",
           [&app] { GradBtnnChangeTimeFontSize1Click(app); });
    app.defineState("CityClockFont", [&app] {
        const FontChoice& f = cityClockState(app).font;
        return f.name + "," + std::to_string(f.pointSize) + (f.bold ? ",bold" : "") +
               (f.italic ? ",italic" : "") + (f.underline ? ",underline" : "");
    });
}

} // namespace kelvaro
