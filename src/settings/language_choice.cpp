#include "settings/language_choice.h"

#include "app/show_note.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/form_builder.h"
#include "framework/translatable.h"
#include "settings/profile_file.h"
#include "settings/settings_lock.h"
#include "settings/settings_store.h"

namespace kelvaro {

namespace {

struct Language {
    const char* code;
    const char* shown; // each language by its own name, so anyone can find theirs
};

constexpr const char* kFollowDesktop = KV_TR("Follow the desktop");
constexpr Language kLanguages[] = {{"", kFollowDesktop},
                                   {"en", "English"},
                                   {"de", "Deutsch"},
                                   {"fr", "Fran\xc3\xa7"
                                          "ais"},
                                   {"es", "Espa\xc3\xb1ol"},
                                   {"ja", "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e"}};

// Every change is saved at once, so the file holds the language in force.
std::string keptLanguage(Application& app) {
    const std::string kept = ProfileFile(app.filePath(kSettingsFile)).readString("Data", kLanguageKey, "");
    return languageCode(kept).empty() ? kFollowDesktop : kept;
}

void ComboBoxLanguageChange(Application& app) {
    Control& box = notebook(app).ComboBoxLanguage;
    if (languageCode(box.text).empty()) box.text = kFollowDesktop;
    if (box.text == keptLanguage(app)) return;
    if (ConfirmSettingChange(app)) {
        box.text = keptLanguage(app); // refused: the box shows what is kept
        return;
    }
    SaveAllSettings(app);
    ShowNote(app, KV_TR("The clock speaks the chosen language from its next start."), false);
}

} // namespace

std::string languageCode(std::string_view shown) {
    for (const Language& l : kLanguages)
        if (shown == l.shown) return l.code;
    return {};
}

void addLanguageControls(Form& f) {
    const std::string p = "TabSheetSettings";
    addLabel(f, "LabelLanguage", KV_TR("Language"), {290, 158, 90, 16}, p);
    Control& box = addCombo(f, "ComboBoxLanguage", kFollowDesktop, {384, 154, 166, 22}, p);
    box.readOnly = true;
    for (const Language& l : kLanguages)
        box.items.emplace_back(l.shown);
}

void installLanguageChoice(Application& app) {
    Control& box = notebook(app).ComboBoxLanguage;
    box.handlers[Event::Change] = "ComboBoxLanguageChange";
    app.defineOperation("ComboBoxLanguageChange", [&app] { ComboBoxLanguageChange(app); });
}

} // namespace kelvaro
