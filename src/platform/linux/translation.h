#pragma once
// The language the clock's texts are shown in. The logic writes English; every view, box and
// platform service that shows a text passes it through `translated`, which finds it (or the
// pattern it was filled from) in the chosen language's catalogue.
#include "framework/locale_info.h"

#include <QLocale>
#include <QString>

#include <string>
#include <vector>

namespace kelvaro {

// The languages with a catalogue; English is the source and needs none.
const std::vector<std::string>& translatedLanguages();
// The first language of LANGUAGE (a list), LC_ALL, LC_MESSAGES and LANG that the clock speaks;
// "en" when none.
std::string desktopLanguage();
// "" (follow the desktop), "en", "de", ... as the settings keep it; an unknown word follows too.
std::string resolveLanguage(const std::string& setting);
// Loads the catalogue of the language the setting names. False when it is missing: the texts
// stay English. Catalogues are looked for in KELVARO_TRANSLATIONS, beside the installed program
// (../share/kelvaro/translations) and in the build tree.
bool useLanguage(const std::string& setting);
std::string currentLanguage();

QString translated(const std::string& english);
std::string translatedText(const std::string& english);
// The locale dates, weekdays and AM/PM are written in: the desktop's while it speaks the chosen
// language, else the language's own.
QLocale languageLocale();
// That locale as the conversions read it, fitted to the clock: hours and minutes apart by the
// short time's separator ("10:00", not "10時00"), AM/PM without spaces or dots ("am", not "a. m.").
LocaleInfo languageLocaleInfo();

} // namespace kelvaro
