// The `expect` commands.
#include "lexer.h"
#include "properties.h"
#include "session.h"

#include "settings/profile_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace kelvaro::scenario {

namespace {

// Compares with `=` or `!=` and reports both values quoted.
void compare(const std::string& what, ValueKind kind, const std::string& op, const std::string& expected,
             const std::string& actual) {
    const bool equal = valuesMatch(kind, expected, actual);
    if (op == "=" && !equal)
        throw ScenarioFailure(what + ": expected " + quoteText(expected) + ", got " + quoteText(actual));
    if (op == "!=" && equal)
        throw ScenarioFailure(what + ": expected other than " + quoteText(expected) + ", got " +
                              quoteText(actual));
}

// "KEY" is a key of section Data; "SECTION/KEY" names the section.
std::pair<std::string, std::string> sectionAndKey(const std::string& word) {
    auto slash = word.find('/');
    if (slash == std::string::npos) return {"Data", word};
    return {word.substr(0, slash), word.substr(slash + 1)};
}

std::optional<std::string> readBytes(const std::string& path) {
    if (!std::filesystem::is_regular_file(path)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

} // namespace

void Session::expect(const Words& a) {
    const std::string& what = a[0];
    if (what == "nothing-shown") return expectNothingShown();
    if (what == "shown") return expectShown(a[1], a[2]);
    if (what == "state") {
        auto value = app().state(a[1]);
        if (!value) throw ScenarioFailure("no state " + a[1]);
        return compare("state " + a[1], ValueKind::Loose, a[2], a[3], *value);
    }
    if (what == "ini") return expectProfile("ini", programDir_ + "Kelvaro.ini", a);
    if (what == "handover") return expectProfile("handover", handoverFile_, a);
    if (what == "autostart") {
        const bool present = autostart_.hasEntry(a[1]);
        if (a[2] == "missing") {
            if (present)
                throw ScenarioFailure("autostart " + a[1] + ": expected missing, got " +
                                      quoteText(autostart_.entry(a[1])));
            return;
        }
        if (!present)
            throw ScenarioFailure("autostart " + a[1] + ": expected " + quoteText(a[3]) + ", got missing");
        if (a[2] == "contains") {
            if (autostart_.entry(a[1]).find(a[3]) == std::string::npos)
                throw ScenarioFailure("autostart " + a[1] + ": expected to contain " + quoteText(a[3]) +
                                      ", got " + quoteText(autostart_.entry(a[1])));
            return;
        }
        return compare("autostart " + a[1], ValueKind::Text, a[2], a[3], autostart_.entry(a[1]));
    }
    if (what == "file") return expectFile(a);
    if (what == "result") {
        if (!lastResult_) throw ScenarioFailure("result: no call has returned a result");
        return compare("result", ValueKind::Loose, a[1], a[2], *lastResult_);
    }
    if (what == "focus") return compare("focus", ValueKind::Text, a[1], a[2], app().focused());
    if (what == "program") {
        const bool wanted = a[1] == "running";
        if (wanted != (app_ != nullptr))
            throw ScenarioFailure(std::string("program: expected ") + a[1] + ", got " +
                                  (app_ ? "running" : "ended"));
        return;
    }
    expectTarget(a);
}

void Session::expectTarget(const Words& a) {
    if (auto cell = splitCell(a[0])) {
        const std::string& actual = gridCell(app(), cell->name, cell->row, cell->col);
        return compare(a[0], ValueKind::Text, a[1], a[2], actual);
    }
    auto ref = splitProperty(a[0]);
    if (const ServiceKit* kit = kitWithPseudoControl(ref->name, ref->property)) {
        return compare(a[0], ValueKind::Loose, a[1], a[2], serviceFor(*kit).read(ref->name, ref->property));
    }
    const std::string actual = readProperty(app(), ref->name, ref->property);
    compare(a[0], *propertyKind(ref->property), a[1], a[2], actual);
}

void Session::expectShown(const std::string& kind, const std::string& text) {
    const auto& boxes = dialogs_.boxes();
    const std::string wanted = kind + " " + quoteText(text);
    if (boxesChecked_ >= boxes.size()) throw ScenarioFailure("shown: expected " + wanted + ", got nothing");
    const RecordedBox& box = boxes[boxesChecked_++];
    const std::string got = std::string(boxKindName(box.kind)) + " " + quoteText(box.text);
    if (got != wanted) throw ScenarioFailure("shown: expected " + wanted + ", got " + got);
}

void Session::expectNothingShown() {
    const auto& boxes = dialogs_.boxes();
    if (boxesChecked_ >= boxes.size()) return;
    const RecordedBox& box = boxes[boxesChecked_];
    throw ScenarioFailure("nothing-shown: expected no more boxes, got " + std::string(boxKindName(box.kind)) +
                          " " + quoteText(box.text) + " (" + std::to_string(boxes.size() - boxesChecked_) +
                          " unchecked)");
}

void Session::expectProfile(const std::string& what, const std::string& path, const Words& a) {
    const auto [section, key] = sectionAndKey(a[1]);
    const ProfileFile file(path);
    const bool present = file.hasKey(section, key);
    const std::string label = what + " " + section + "/" + key;
    if (a[2] == "missing") {
        if (present)
            throw ScenarioFailure(label + ": expected missing, got " +
                                  quoteText(file.readString(section, key, "")));
        return;
    }
    if (!present) throw ScenarioFailure(label + ": expected " + quoteText(a[3]) + ", got missing");
    compare(label, ValueKind::Stored, a[2], a[3], file.readString(section, key, ""));
}

void Session::expectFile(const Words& a) {
    const std::string label = "file " + a[1];
    const auto bytes = readBytes(resolvePath(a[1]));
    if (a[2] == "missing") {
        if (bytes) throw ScenarioFailure(label + ": expected missing, got " + quoteText(*bytes));
        return;
    }
    if (!bytes) throw ScenarioFailure(label + ": expected " + quoteText(a.back()) + ", got missing");
    if (a[2] == "contains") {
        if (bytes->find(a[3]) == std::string::npos)
            throw ScenarioFailure(label + ": expected to contain " + quoteText(a[3]) + ", got " +
                                  quoteText(*bytes));
        return;
    }
    compare(label, ValueKind::Text, a[2], a[3], *bytes);
}

} // namespace kelvaro::scenario
