#include "script.h"

#include "lexer.h"
#include "services.h"

#include "framework/datetime.h"
#include "platform/dialogs.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <set>
#include <sstream>

namespace kelvaro::scenario {

namespace {

bool allDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int toInt(std::string_view s) {
    int value = 0;
    std::from_chars(s.data(), s.data() + s.size(), value);
    return value;
}

bool isOperator(const std::string& word) {
    return word == "=" || word == "!=";
}

// NAME[1, 2] may have been split at its blanks; joins it back into one word.
Words joinCellWord(Words args) {
    if (args.empty() || args[0].find('[') == std::string::npos) return args;
    while (args[0].find(']') == std::string::npos && args.size() > 1) {
        args[0] += args[1];
        args.erase(args.begin() + 1);
    }
    return args;
}

struct SyntaxFailure {
    std::string message;
};

void require(bool condition, const std::string& message) {
    if (!condition) throw SyntaxFailure{message};
}

void checkComparison(const Words& a, std::size_t at, ValueKind kind, const std::string& usage) {
    require(a.size() == at + 2 && isOperator(a[at]), usage);
    require(isValidExpectation(kind, a[at + 1]), "not a valid value for this check: " + quoteText(a[at + 1]));
}

// `expect ini KEY = VALUE` and its siblings that also take `missing`.
void checkValueOrMissing(const Words& a, const std::string& usage) {
    if (a.size() == 3 && a[2] == "missing") return;
    checkComparison(a, 2, ValueKind::Stored, usage);
}

void checkExpect(const Words& a) {
    require(!a.empty(), "expect what?");
    const std::string& what = a[0];
    if (what == "nothing-shown") return require(a.size() == 1, "expect nothing-shown takes nothing more");
    if (what == "shown") {
        require(a.size() == 3, "expected: expect shown KIND TEXT");
        return require(isBoxKindName(a[1]), "unknown box kind " + a[1]);
    }
    if (what == "state")
        return checkComparison(a, 2, ValueKind::Loose, "expected: expect state NAME = VALUE");
    if (what == "ini") return checkValueOrMissing(a, "expected: expect ini KEY = VALUE | missing");
    if (what == "handover") return checkValueOrMissing(a, "expected: expect handover KEY = VALUE | missing");
    if (what == "autostart") {
        if (a.size() == 4 && a[2] == "contains") return;
        return checkValueOrMissing(a, "expected: expect autostart NAME = TEXT | missing | contains TEXT");
    }
    if (what == "file") {
        if (a.size() == 3 && a[2] == "missing") return;
        if (a.size() == 4 && a[2] == "contains") return;
        return checkComparison(a, 2, ValueKind::Text,
                               "expected: expect file NAME = TEXT | missing | contains TEXT");
    }
    if (what == "result") return checkComparison(a, 1, ValueKind::Loose, "expected: expect result = VALUE");
    if (what == "focus") return checkComparison(a, 1, ValueKind::Text, "expected: expect focus = NAME");
    if (what == "program") {
        return require(a.size() == 2 && (a[1] == "running" || a[1] == "ended"),
                       "expected: expect program running | ended");
    }
    if (splitCell(what))
        return checkComparison(a, 1, ValueKind::Text, "expected: expect NAME[ROW,COL] = VALUE");
    auto ref = splitProperty(what);
    require(ref.has_value(), "unknown check " + what);
    if (kitWithPseudoControl(ref->name, ref->property))
        return checkComparison(a, 1, ValueKind::Loose, "expected: expect NAME.PROPERTY = VALUE");
    auto kind = propertyKind(ref->property);
    require(kind.has_value(), "unknown property " + ref->property);
    checkComparison(a, 1, *kind, "expected: expect NAME.PROPERTY = VALUE");
}

void checkSet(const Words& a) {
    require(a.size() == 2, "expected: set NAME.PROPERTY VALUE");
    if (splitCell(a[0])) return;
    auto ref = splitProperty(a[0]);
    require(ref.has_value(), "expected: set NAME.PROPERTY VALUE");
    auto kind = propertyKind(ref->property);
    require(kind.has_value(), "unknown property " + ref->property);
    require(isValidExpectation(*kind, a[1]),
            "not a valid value for " + ref->property + ": " + quoteText(a[1]));
}

void checkWords(const std::string& verb, const Words& a) {
    auto count = [&](std::size_t n, const std::string& usage) {
        require(a.size() == n, "expected: " + usage);
    };
    if (verb == "locale") {
        count(1, "locale en_US | de_DE");
        return require(a[0] == "en_US" || a[0] == "de_DE", "unknown locale " + a[0]);
    }
    if (verb == "now") {
        count(2, "now YYYY-MM-DD HH:MM:SS[.mmm]");
        return require(parseNow(a[0], a[1]).has_value(), "not a date and time: " + a[0] + " " + a[1]);
    }
    if (verb == "utc-offset") {
        count(1, "utc-offset +HH:MM");
        return require(parseUtcOffset(a[0]).has_value(), "not an offset: " + a[0]);
    }
    if (verb == "write") return count(2, "write NAME TEXT");
    if (verb == "unreadable" || verb == "readable") return count(1, verb + " NAME");
    if (verb == "settle") return count(0, "settle");
    if (verb == "touch") {
        count(3, "touch NAME YYYY-MM-DD HH:MM:SS");
        return require(parseNow(a[1], a[2]).has_value(), "not a date and time: " + a[1] + " " + a[2]);
    }
    if (verb == "args") return;
    if (verb == "start" || verb == "close-program" || verb == "crash" || verb == "settle" ||
        verb == "hold-boxes" || verb == "release-boxes")
        return count(0, verb);
    if (verb == "tick") {
        require(a.size() <= 1, "expected: tick [N|Nm|Nh]");
        if (a.empty()) return;
        return require(parseTickCount(a[0]).has_value(), "not a tick count: " + a[0]);
    }
    if (verb == "click") {
        require(a.size() == 1 || a.size() == 2, "expected: click NAME [up|down]");
        return require(a.size() == 1 || a[1] == "up" || a[1] == "down",
                       "expected up or down, not " + a.back());
    }
    if (verb == "dblclick" || verb == "focus" || verb == "leave" || verb == "close")
        return count(1, verb + " NAME");
    if (verb == "choose") return count(2, "choose NAME VALUE");
    if (verb == "key") {
        count(1, "key KEY");
        return require(isKeyName(a[0]), "unknown key " + a[0]);
    }
    if (verb == "type") return count(2, "type NAME TEXT");
    if (verb == "cell") {
        count(3, "cell NAME ROW COL");
        return require(parseIndex(a[1]) && parseIndex(a[2]), "ROW and COL are numbers from 0");
    }
    if (verb == "call") return require(!a.empty(), "expected: call OPERATION [ARG...]");
    if (verb == "set") return checkSet(a);
    if (verb == "answer") {
        require(!a.empty(), "expected: answer BUTTON...");
        for (const auto& w : a)
            require(answerFromName(w).has_value(), "unknown answer " + w);
        return;
    }
    if (verb == "answer-file") return count(1, "answer-file PATH | cancel");
    if (verb == "answer-font")
        return require(parseFontAnswer(a).has_value(), "expected: answer-font [apply FONT]... FONT | cancel, "
                                                       "FONT as Name,size[,bold][,italic][,underline]");
    if (verb == "drag") {
        require(a.size() == 3 || a.size() == 4, "expected: drag NAME FROM-X TO-X [KEYS]");
        require(parseIndex(a[1]) && parseIndex(a[2]), "FROM-X and TO-X are numbers from 0");
        return require(a.size() == 3 || isHeldKeys(a[3]), "unknown keys " + a.back());
    }
    if (verb == "expect") return checkExpect(a);
    if (verb == "expect-failure") {
        require(a.size() >= 2, "expected: expect-failure TEXT COMMAND...");
        require(a[1] != "expect-failure", "expect-failure cannot be nested");
        return checkWords(a[1], joinCellWord(Words(a.begin() + 2, a.end())));
    }
    if (const ServiceKit* kit = kitWithCommand(verb, a)) {
        std::string problem = kit->commands.at(verb)(a);
        return require(problem.empty(), problem);
    }
    throw SyntaxFailure{"unknown command " + verb};
}

} // namespace

void checkSyntax(const Command& command) {
    try {
        checkWords(command.verb, command.args);
    } catch (const SyntaxFailure& f) {
        throw ParseError(command.file, command.line, f.message);
    }
}

std::vector<Scenario> parseScript(std::string_view text, const std::string& fileName) {
    std::vector<Scenario> scenarios;
    std::istringstream in{std::string(text)};
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (isIgnorable(line)) continue;
        Words words;
        try {
            words = splitWords(line);
        } catch (const LexError& e) {
            throw ParseError(fileName, number, e.what());
        }
        if (words[0] == "scenario") {
            // The rest of the line, as written, is the name.
            std::string_view rest(line);
            if (!rest.empty() && rest.back() == '\r') rest.remove_suffix(1);
            rest.remove_prefix(rest.find("scenario") + 8);
            while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
                rest.remove_prefix(1);
            while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t'))
                rest.remove_suffix(1);
            if (rest.empty()) throw ParseError(fileName, number, "a scenario needs a name");
            scenarios.push_back({std::string(rest), fileName, number, {}});
            continue;
        }
        if (scenarios.empty()) throw ParseError(fileName, number, "command before the first scenario");
        Command command{fileName, number, words[0], {}};
        command.args = Words(words.begin() + 1, words.end());
        if (command.verb == "expect" || command.verb == "set") command.args = joinCellWord(command.args);
        checkSyntax(command);
        scenarios.back().commands.push_back(std::move(command));
    }
    return scenarios;
}

std::vector<Scenario> loadScript(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw ParseError(path, 0, "cannot read the file");
    std::ostringstream text;
    text << file.rdbuf();
    return parseScript(text.str(), path);
}

std::optional<PropertyRef> splitProperty(std::string_view word) {
    // The last dot: WINDOW.CONTROL.PROPERTY names a control of one window.
    auto dot = word.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == word.size()) return std::nullopt;
    return PropertyRef{std::string(word.substr(0, dot)), std::string(word.substr(dot + 1))};
}

std::optional<CellRef> splitCell(std::string_view word) {
    auto open = word.find('[');
    auto comma = word.find(',', open);
    if (open == std::string_view::npos || open == 0 || comma == std::string_view::npos || word.back() != ']')
        return std::nullopt;
    auto row = parseIndex(word.substr(open + 1, comma - open - 1));
    auto col = parseIndex(word.substr(comma + 1, word.size() - comma - 2));
    if (!row || !col) return std::nullopt;
    return CellRef{std::string(word.substr(0, open)), *row, *col};
}

std::optional<int> parseIndex(std::string_view word) {
    if (!allDigits(word) || word.size() > 6) return std::nullopt;
    return toInt(word);
}

std::optional<std::int64_t> parseNow(std::string_view date, std::string_view time) {
    if (date.size() != 10 || date[4] != '-' || date[7] != '-') return std::nullopt;
    if (time.size() < 8 || time[2] != ':' || time[5] != ':') return std::nullopt;
    std::string_view y = date.substr(0, 4), mo = date.substr(5, 2), d = date.substr(8, 2);
    std::string_view h = time.substr(0, 2), mi = time.substr(3, 2), s = time.substr(6, 2);
    std::string_view ms = "0";
    if (time.size() > 8) {
        if (time[8] != '.' || time.size() != 12) return std::nullopt;
        ms = time.substr(9);
    }
    for (auto part : {y, mo, d, h, mi, s, ms})
        if (!allDigits(part)) return std::nullopt;
    auto day = tryEncodeDate(toInt(y), toInt(mo), toInt(d));
    auto clock = tryEncodeTime(toInt(h), toInt(mi), toInt(s), toInt(ms));
    if (!day || !clock) return std::nullopt;
    return toMilliseconds(*day) + toMilliseconds(*clock);
}

std::optional<int> parseUtcOffset(std::string_view word) {
    if (word.size() != 6 || (word[0] != '+' && word[0] != '-') || word[3] != ':') return std::nullopt;
    auto h = word.substr(1, 2), m = word.substr(4, 2);
    if (!allDigits(h) || !allDigits(m) || toInt(m) > 59 || toInt(h) > 14) return std::nullopt;
    int minutes = toInt(h) * 60 + toInt(m);
    return word[0] == '-' ? -minutes : minutes;
}

std::optional<long> parseTickCount(std::string_view word) {
    long unit = 1;
    if (!word.empty() && word.back() == 'm') unit = 60;
    if (!word.empty() && word.back() == 'h') unit = 3600;
    if (unit != 1) word.remove_suffix(1);
    if (!allDigits(word) || word.size() > 7) return std::nullopt;
    return toInt(word) * unit;
}

bool isKeyName(std::string_view word) {
    static const std::set<std::string, std::less<>> names = {
        "Enter", "Escape", "Backspace", "Tab", "Insert", "Delete", "Up", "Down", "Left", "Right", "Space"};
    return names.count(word) || utf8Characters(word).size() == 1;
}

bool isBoxKindName(std::string_view word) {
    for (BoxKind k : {BoxKind::Note, BoxKind::BeepNote, BoxKind::Error, BoxKind::Information,
                      BoxKind::Warning, BoxKind::Confirmation})
        if (word == boxKindName(k)) return true;
    return false;
}

std::optional<ValueKind> propertyKind(std::string_view property) {
    static const std::set<std::string, std::less<>> text = {"caption", "text", "hint",    "items",
                                                            "page",    "url",  "fontname"};
    static const std::set<std::string, std::less<>> flags = {
        "checked", "enabled",       "visible", "minimized", "modal",
        "rounded", "taskbarbutton", "bold",    "italic",    "underline"};
    static const std::set<std::string, std::less<>> colours = {"color", "bgcolor", "oncolor", "offcolor"};
    static const std::set<std::string, std::less<>> numbers = {
        "rows",     "cols", "row", "col",   "position", "min",     "max",
        "interval", "left", "top", "width", "height",   "fontsize"};
    if (text.count(property)) return ValueKind::Text;
    if (flags.count(property)) return ValueKind::Boolean;
    if (colours.count(property)) return ValueKind::Colour;
    if (numbers.count(property)) return ValueKind::Number;
    return std::nullopt;
}

} // namespace kelvaro::scenario
