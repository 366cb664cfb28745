#include "platform/linux/translation.h"

#include "framework/translatable.h"
#include "platform/linux/system_locale.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace kelvaro {

namespace {

constexpr const char* kContext = "kelvaro";

struct State {
    std::string language = "en";
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt; // Qt's own texts: the standard buttons, the file dialog
};

State& state() {
    static State s;
    return s;
}

// "de_DE.UTF-8" or "de": "de"; "C" and "POSIX" name no language.
std::string languageOf(std::string_view locale) {
    const size_t end = locale.find_first_of("_.@-");
    std::string code(locale.substr(0, end));
    if (code == "C" || code == "POSIX") return {};
    return code;
}

bool spoken(const std::string& code) {
    const auto& all = translatedLanguages();
    return code == "en" || std::find(all.begin(), all.end(), code) != all.end();
}

QStringList catalogueDirs() {
    QStringList dirs;
    if (const char* env = std::getenv("KELVARO_TRANSLATIONS"); env && *env)
        dirs << QString::fromLocal8Bit(env);
    const QString exeDir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                        : QFileInfo(QStringLiteral("/proc/self/exe"))
                                                              .canonicalFilePath()
                                                              .section(QLatin1Char('/'), 0, -2);
    dirs << exeDir + QStringLiteral("/../share/kelvaro/translations");
#ifdef KELVARO_BUILD_TRANSLATIONS
    dirs << QStringLiteral(KELVARO_BUILD_TRANSLATIONS);
#endif
    return dirs;
}

QString fill(const QString& pattern, const Composition& c) {
    std::vector<std::string> args;
    args.reserve(c.args.size());
    for (const std::string& arg : c.args)
        args.push_back(translatedText(arg)); // "ON", a weekday: a part may be a text of its own
    return QString::fromStdString(substitute(pattern.toStdString(), args, c.count, c.countText));
}

} // namespace

const std::vector<std::string>& translatedLanguages() {
    static const std::vector<std::string> all{"de", "fr", "es", "ja"};
    return all;
}

std::string desktopLanguage() {
    if (const char* list = std::getenv("LANGUAGE"); list && *list) {
        std::string_view rest(list);
        while (!rest.empty()) {
            const size_t colon = rest.find(':');
            const std::string code = languageOf(rest.substr(0, colon));
            if (spoken(code)) return code;
            if (colon == std::string_view::npos) break;
            rest.remove_prefix(colon + 1);
        }
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (!value || !*value) continue;
        const std::string code = languageOf(value);
        return spoken(code) ? code : "en"; // the first one set decides, as for the C library
    }
    return "en";
}

std::string resolveLanguage(const std::string& setting) {
    return spoken(setting) ? setting : desktopLanguage();
}

bool useLanguage(const std::string& setting) {
    State& s = state();
    if (s.own && QCoreApplication::instance()) QCoreApplication::removeTranslator(s.own.get());
    if (s.qt && QCoreApplication::instance()) QCoreApplication::removeTranslator(s.qt.get());
    s.own.reset();
    s.qt.reset();
    s.language = resolveLanguage(setting);
    if (s.language == "en") return true;
    auto own = std::make_unique<QTranslator>();
    const QString file = QStringLiteral("kelvaro_") + QString::fromStdString(s.language);
    const QStringList dirs = catalogueDirs();
    const bool found =
        std::any_of(dirs.begin(), dirs.end(), [&](const QString& dir) { return own->load(file, dir); });
    if (!found) return false;
    s.own = std::move(own);
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + QString::fromStdString(s.language),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        s.qt = std::move(qt);
    if (QCoreApplication::instance()) {
        if (s.qt) QCoreApplication::installTranslator(s.qt.get());
        QCoreApplication::installTranslator(s.own.get());
    }
    return true;
}

std::string currentLanguage() {
    return state().language;
}

QString translated(const std::string& english) {
    const QTranslator* own = state().own.get();
    if (!own || english.empty()) return QString::fromStdString(english);
    QString text = own->translate(kContext, english.c_str());
    if (!text.isEmpty()) return text;
    if (const auto composition = compositionOf(english)) {
        const int n = composition->count >= 0 ? static_cast<int>(composition->count) : -1;
        const QString pattern = own->translate(kContext, composition->pattern.c_str(), nullptr, n);
        if (!pattern.isEmpty()) return fill(pattern, *composition);
    }
    // Lines joined into one text (a verdict, a tip) are translated line by line.
    if (english.find('\n') != std::string::npos) {
        QStringList lines;
        size_t start = 0;
        while (true) {
            const size_t end = english.find('\n', start);
            lines << translated(
                english.substr(start, end == std::string::npos ? std::string::npos : end - start));
            if (end == std::string::npos) break;
            start = end + 1;
        }
        return lines.join(QLatin1Char('\n'));
    }
    return QString::fromStdString(english);
}

std::string translatedText(const std::string& english) {
    if (!state().own) return english;
    return translated(english).toStdString();
}

QLocale languageLocale() {
    const std::string& language = state().language;
    // The language the desktop writes dates in (QLocale::system() names the messages' language).
    std::string systemLanguage;
    for (const char* name : {"LC_ALL", "LC_TIME", "LANG"})
        if (const char* value = std::getenv(name); value && *value) {
            systemLanguage = languageOf(value);
            break;
        }
    if (systemLanguage == language || (systemLanguage.empty() && language == "en")) return QLocale::system();
    return QLocale(QString::fromStdString(language));
}

LocaleInfo languageLocaleInfo() {
    const QLocale locale = languageLocale();
    LocaleInfo info = localeInfoFrom(locale);
    if (std::any_of(info.timeSeparator.begin(), info.timeSeparator.end(),
                    [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
        const QString shortTime = locale.timeFormat(QLocale::ShortFormat);
        const qsizetype minutes = shortTime.indexOf(QLatin1Char('m'));
        info.timeSeparator = minutes > 0 ? shortTime.mid(minutes - 1, 1).toStdString() : std::string(":");
    }
    // The clock's face has room for two letters after the time: "a. m." (with a no-break space)
    // is written "am", and the two-character Japanese words give way to AM and PM there.
    for (std::string* designator : {&info.amDesignator, &info.pmDesignator}) {
        for (size_t at; (at = designator->find("\xc2\xa0")) != std::string::npos;)
            designator->replace(at, 2, " ");
        if (designator->find(' ') != std::string::npos)
            std::erase_if(*designator, [](char c) { return c == ' ' || c == '.'; });
    }
    if (locale.language() == QLocale::Japanese) {
        info.amDesignator = "AM";
        info.pmDesignator = "PM";
    }
    return info;
}

} // namespace kelvaro
