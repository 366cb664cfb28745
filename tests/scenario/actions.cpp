// The scene before and between starts, and what the user does.
#include "lexer.h"
#include "properties.h"
#include "session.h"

#include "framework/datetime.h"

#include <chrono>
#include <filesystem>
#include <fstream>

namespace kelvaro::scenario {

namespace fs = std::filesystem;

namespace {

// The key that produces a typed character.
std::string keyFor(const std::string& character) {
    if (character == "\r" || character == "\n") return "Enter";
    if (character == "\t") return "Tab";
    if (character == "\b") return "Backspace";
    if (character == "\x1b") return "Escape";
    return character;
}

} // namespace

std::string Session::resolvePath(const std::string& path) const {
    return !path.empty() && path.front() == '/' ? path : programDir_ + path;
}

void Session::writeFile(const std::string& name, const std::string& bytes) {
    const fs::path path = resolvePath(name);
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out.flush()) throw ScenarioFailure("cannot write " + path.string());
}

void Session::setScene(const Command& command) {
    const std::string& verb = command.verb;
    const Words& a = command.args;
    if (verb == "locale") {
        if (app_) throw ScenarioFailure("locale is set before start");
        locale_ = *LocaleInfo::preset(a[0]);
    } else if (verb == "now") {
        clock_.set(fromMilliseconds(*parseNow(a[0], a[1])));
    } else if (verb == "utc-offset") {
        clock_.setUtcOffsetMinutes(*parseUtcOffset(a[0]));
    } else if (verb == "write") {
        writeFile(a[0], a[1]);
    } else if (verb == "unreadable") {
        const fs::path path = resolvePath(a[0]);
        std::error_code ec;
        fs::permissions(path, fs::perms::none, ec);
        if (ec)
            throw ScenarioFailure("cannot take the permissions of " + path.string() + ": " + ec.message());
        if (!modesAsUser_) modesAsUser_ = std::make_unique<FileModesAsUser>();
    } else if (verb == "readable") {
        std::error_code ec;
        fs::permissions(resolvePath(a[0]), fs::perms::owner_read | fs::perms::owner_write, ec);
        if (ec) throw ScenarioFailure("cannot give back the permissions of " + a[0] + ": " + ec.message());
    } else if (verb == "touch") {
        // Local time of the fake clock's zone, as the program reads file dates.
        const std::int64_t localMs = *parseNow(a[1], a[2]);
        const std::int64_t unixMs = localMs - 25569LL * 86'400'000LL - clock_.utcOffsetMinutes() * 60'000LL;
        const auto at = fs::file_time_type::clock::from_sys(
            std::chrono::sys_time<std::chrono::milliseconds>(std::chrono::milliseconds(unixMs)));
        std::error_code ec;
        fs::last_write_time(resolvePath(a[0]), at, ec);
        if (ec) throw ScenarioFailure("cannot touch " + a[0] + ": " + ec.message());
    } else if (verb == "args") {
        arguments_ = a;
    } else if (verb == "answer") {
        for (const auto& word : a)
            dialogs_.queueAnswer(*answerFromName(word));
    } else if (verb == "answer-file") {
        dialogs_.queueFile(a[0] == "cancel" ? std::nullopt : std::optional<std::string>(resolvePath(a[0])));
    } else if (verb == "answer-font") {
        dialogs_.queueFont(*parseFontAnswer(a));
    }
}

void Session::typeText(const std::string& name, const std::string& text) {
    Application& program = app();
    Control& target = program.ctl(name);
    guarded([&] { program.userFocus(name); });
    const bool grid =
        target.kind == ControlKind::Grid && !target.readOnly; // a read-only grid takes keys, not text
    bool first = true;
    for (const auto& character : utf8Characters(text)) {
        if (!app_) break; // a key may end the program
        if (grid) {
            // Typing into a selected cell replaces its text; the key handlers see the result.
            std::string& cell = gridCell(program, name, target.row, target.col);
            cell = first ? character : cell + character;
        }
        first = false;
        guarded([&] { program.userKey(keyFor(character)); });
        afterStep();
    }
}

// Press the left button at FROM-X, move to TO-X, release: each with the control's mouse
// handler, which is told the x position and the keys and buttons held.
void Session::drag(const Words& a) {
    Application& program = app();
    const Control& target = program.ctl(a[0]);
    const std::string keys = a.size() > 3 ? a[3] : "";
    const std::string held = keys.empty() ? "left" : keys + "+left";
    auto send = [&](Event event, const std::string& x, const std::string& with) {
        const std::string& handler = target.handler(event);
        if (!handler.empty()) guarded([&] { program.run(handler, {x, with}); });
    };
    send(Event::MouseDown, a[1], held);
    send(Event::MouseMove, a[2], held);
    send(Event::MouseUp, a[2], keys);
}

void Session::act(const Command& command) {
    const std::string& verb = command.verb;
    const Words& a = command.args;
    Application& program = app();
    if (verb == "click" && a.size() == 2) {
        guarded([&] { program.userUpDown(a[0], a[1] == "up"); });
    } else if (verb == "click") {
        guarded([&] { program.userClick(a[0]); });
    } else if (verb == "dblclick") {
        guarded([&] { program.userDblClick(a[0]); });
    } else if (verb == "choose") {
        guarded([&] { program.userChoose(a[0], a[1]); });
    } else if (verb == "focus") {
        guarded([&] { program.userFocus(a[0]); });
    } else if (verb == "leave") {
        guarded([&] { program.userLeave(a[0]); });
    } else if (verb == "key") {
        guarded([&] { program.userKey(a[0]); });
    } else if (verb == "type") {
        typeText(a[0], a[1]);
    } else if (verb == "cell") {
        Control& grid = program.ctl(a[0]);
        const int row = *parseIndex(a[1]), col = *parseIndex(a[2]);
        gridCell(program, a[0], row, col); // the cell must exist
        grid.row = row;
        grid.col = col;
        program.touch();
    } else if (verb == "call") {
        lastResult_.reset();
        guarded([&] { lastResult_ = program.run(a[0], Args(a.begin() + 1, a.end())); });
    } else if (verb == "set") {
        if (auto cell = splitCell(a[0])) {
            gridCell(program, cell->name, cell->row, cell->col) = a[1];
            program.touch();
        } else {
            auto ref = splitProperty(a[0]);
            writeProperty(program, ref->name, ref->property, a[1]);
        }
    } else if (verb == "close") {
        guarded([&] { program.closeForm(a[0]); });
    } else if (verb == "drag") {
        drag(a);
    } else {
        throw ScenarioFailure("unknown command " + verb);
    }
}

} // namespace kelvaro::scenario
