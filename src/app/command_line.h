#pragma once
// The program's command line: --help, --version, --dir PATH, the word "auto", and the
// requests to the running clock (--status, --snooze, --stop, --alarm, --set-alarm).
// Read before the Qt application exists, so that --help and --version work without a display.
#include <string>
#include <vector>

namespace kelvaro {

struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Refuse, Remote };
    Action action = Action::Run;
    std::string text;            // the help or version text, or why the line is refused
    std::string dir;             // the --dir value, empty when not given
    bool startMinimised = false; // "auto" in any case
    std::string remote;          // Remote: the request line for the running clock ("alarm on")
};

// Exit status of a refused command line (as most command-line tools use for bad usage).
inline constexpr int kBadUsageExit = 2;

// arguments[0] is the program path. Options that Qt itself takes (-platform NAME, -style NAME,
// -display NAME, ...) are accepted and left for Qt.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);
CommandLine parseCommandLine(int argc, char** argv);

// For main(): returns -1 when the program should start; otherwise prints the help or version on
// standard output, or the reason and a hint on standard error, and returns the exit status.
int answerCommandLine(const CommandLine& line);

std::string programVersion();

} // namespace kelvaro
