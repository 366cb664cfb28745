// Texts leave the logic in English and are translated where they are shown: whole texts, texts
// filled from a pattern (with their parts translated too), counts in the language's plural forms,
// and lines joined into one text.
#include "framework/translatable.h"
#include "platform/linux/system_locale.h"
#include "platform/linux/translation.h"
#include "settings/language_choice.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>

namespace kelvaro {
namespace {

using Vars = std::map<std::string, std::string>;

// Sets the locale variables for one test and puts them back after it.
class Environment {
  public:
    explicit Environment(const Vars& values) {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
            const char* old = std::getenv(name);
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
            const auto it = values.find(name);
            if (it == values.end())
                unsetenv(name);
            else
                setenv(name, it->second.c_str(), 1);
        }
    }
    ~Environment() {
        for (const auto& [name, value] : saved_)
            value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
        useLanguage("en");
    }

  private:
    std::map<std::string, std::optional<std::string>> saved_;
};

TEST(Translatable, AFilledTextIsEnglishAndRemembersItsPattern) {
    EXPECT_EQ(fillPattern(KV_TR("%1: alarm at %2"), {"Paris", "07:00"}), "Paris: alarm at 07:00");
    const auto c = compositionOf("Paris: alarm at 07:00");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->pattern, "%1: alarm at %2");
    EXPECT_EQ(c->args, (std::vector<std::string>{"Paris", "07:00"}));
    // A count: English singular and plural, the count written as the program wrote it.
    EXPECT_EQ(fillCount("%n minutes left", "%n minute left", 1), "1 minute left");
    EXPECT_EQ(fillCount("%n minutes left", "%n minute left", 5, {}, "05"), "05 minutes left");
    EXPECT_EQ(compositionOf("05 minutes left")->count, 5);
    EXPECT_FALSE(compositionOf("never filled"));
    EXPECT_EQ(substitute("100% %1 %3", {"a"}), "100% a %3"); // what has no argument stays
}

TEST(Translation, TheDesktopsLanguageComesFromTheFirstVariableSet) {
    const struct {
        Vars env;
        const char* language;
    } cases[] = {
        {{{"LANGUAGE", "fr:de"}, {"LANG", "de_DE.UTF-8"}}, "fr"},
        {{{"LANGUAGE", "pt_BR:es"}}, "es"}, // the first the clock speaks
        {{{"LC_ALL", "de_AT.UTF-8"}, {"LC_MESSAGES", "fr_FR"}}, "de"},
        {{{"LC_MESSAGES", "ja_JP.UTF-8"}, {"LANG", "de_DE"}}, "ja"},
        {{{"LANG", "pt_BR.UTF-8"}}, "en"}, // set but not spoken: English
        {{{"LANG", "C"}}, "en"},
        {{}, "en"},
    };
    for (const auto& c : cases) {
        const Environment env(c.env);
        EXPECT_EQ(desktopLanguage(), c.language) << (c.env.empty() ? "" : c.env.begin()->second);
    }
    const Environment env(Vars{{"LANG", "es_ES.UTF-8"}});
    EXPECT_EQ(resolveLanguage("de"), "de");
    EXPECT_EQ(resolveLanguage(""), "es");
    EXPECT_EQ(resolveLanguage("xx"), "es");
}

TEST(Translation, ShownTextsAreTranslatedWholeWithTheirParts) {
    const Environment env(Vars{{"LANG", "C"}});
    ASSERT_TRUE(useLanguage("de"));
    EXPECT_EQ(translatedText("Stop Alarm"), "Alarm aus");
    EXPECT_EQ(translatedText(fillPattern(KV_TR("Alarm at %1"), {"07:00"})), "Alarm um 07:00");
    // A part that is a text of its own is translated too; one that is not stays.
    EXPECT_EQ(translatedText(fillPattern(KV_TR("%1 (unchanged)"), {KV_TR("alarm on")})),
              "Alarm an (unverändert)");
    EXPECT_EQ(translatedText(fillPattern(KV_TR("%1 (unknown zone)"), {"Mars/Olympus"})),
              "Mars/Olympus (unbekannte Zone)");
    const char* pattern = "It is now %1. %2. You have %n Minutes before you should %3.";
    EXPECT_EQ(translatedText(fillCount(pattern, pattern, 1, {"6:00", "Shower", "Dress"}, "1")),
              "Es ist jetzt 6:00. Duschen. Noch 1 Minute bis: Anziehen.");
    EXPECT_EQ(translatedText(fillCount(pattern, pattern, 10, {"6:00", "Shower", "Dress"}, "10")),
              "Es ist jetzt 6:00. Duschen. Noch 10 Minuten bis: Anziehen.");
    EXPECT_EQ(translatedText("The alarm will ring.\nThe sound output is ready."),
              "Der Alarm wird klingeln.\nDie Tonausgabe ist bereit.");
    EXPECT_EQ(translatedText("12:34:56"), "12:34:56");
    ASSERT_TRUE(useLanguage("ja"));
    EXPECT_EQ(translatedText(fillCount(pattern, pattern, 1, {"6:00", "Shower", "Dress"}, "1")),
              "現在 6:00。シャワー。着替え まであと 1 分です。");
    ASSERT_TRUE(useLanguage("en"));
    EXPECT_EQ(translatedText("Stop Alarm"), "Stop Alarm");
}

TEST(Translation, DatesFollowTheChosenLanguage) {
    const Environment env(Vars{{"LANGUAGE", "de"}, {"LC_ALL", "en_US.UTF-8"}});
    ASSERT_TRUE(useLanguage(""));
    EXPECT_EQ(currentLanguage(), "de");
    const LocaleInfo info = localeInfoFrom(languageLocale());
    EXPECT_EQ(info.longDayNames[1], "Montag");
    ASSERT_TRUE(useLanguage("fr"));
    EXPECT_EQ(localeInfoFrom(languageLocale()).longMonthNames[7], "août");
}

TEST(Translation, TheSettingsWordNamesItsLanguage) {
    EXPECT_EQ(languageCode("Deutsch"), "de");
    EXPECT_EQ(languageCode("\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e"), "ja");
    EXPECT_EQ(languageCode("Follow the desktop"), "");
    EXPECT_EQ(languageCode(""), "");
    EXPECT_EQ(languageCode("Klingon"), "");
}

} // namespace
} // namespace kelvaro
