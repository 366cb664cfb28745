#pragma once
// A script file as scenarios of commands, checked for syntax before anything runs.
#include "compare.h"
#include "platform/fake/fake_dialogs.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro::scenario {

using Words = std::vector<std::string>;

struct Command {
    std::string file;
    int line = 0;
    std::string verb;
    Words args;
};

struct Scenario {
    std::string name;
    std::string file;
    int line = 0;
    std::vector<Command> commands;
};

struct ParseError : std::runtime_error {
    ParseError(std::string fileName, int lineNumber, const std::string& message)
        : std::runtime_error(fileName + ":" + std::to_string(lineNumber) + ": " + message),
          file(std::move(fileName)), line(lineNumber) {}
    std::string file;
    int line;
};

std::vector<Scenario> parseScript(std::string_view text, const std::string& fileName);
// Reads and parses a file; an unreadable file is a ParseError at line 0.
std::vector<Scenario> loadScript(const std::string& path);

// Throws ParseError naming the command's line when its words do not fit its verb.
void checkSyntax(const Command& command);

// Pieces of words, shared by the syntax check and the executor.
struct PropertyRef {
    std::string name;
    std::string property;
};
struct CellRef {
    std::string name;
    int row = 0;
    int col = 0;
};
std::optional<PropertyRef> splitProperty(std::string_view word); // NAME.PROPERTY, WINDOW.NAME.PROPERTY
std::optional<CellRef> splitCell(std::string_view word);         // NAME[ROW,COL]
std::optional<int> parseIndex(std::string_view word);            // 0, 1, 2, ...
// The local time of `now`: "YYYY-MM-DD" and "HH:MM:SS[.mmm]" in milliseconds since 1899-12-30.
std::optional<std::int64_t> parseNow(std::string_view date, std::string_view time);
std::optional<int> parseUtcOffset(std::string_view word);  // "+HH:MM" in minutes
std::optional<long> parseTickCount(std::string_view word); // N, Nm, Nh
bool isKeyName(std::string_view word);
bool isBoxKindName(std::string_view word);
// How a property of a control or window compares; nullopt for an unknown property.
std::optional<ValueKind> propertyKind(std::string_view property);
// "Name,size[,bold][,italic][,underline]"
std::optional<FontChoice> parseFontChoice(const std::string& word);
// [apply FONT]... FONT | cancel
std::optional<FakeDialogs::FontAnswer> parseFontAnswer(const Words& words);
// Keys and buttons held during a mouse action, joined by "+": ctrl, shift, alt, left, right, middle.
bool isHeldKeys(const std::string& word);

} // namespace kelvaro::scenario
