#include "app/command_line.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

using namespace kelvaro;
using Action = CommandLine::Action;

namespace {

CommandLine parse(std::vector<std::string> words) {
    words.insert(words.begin(), "/usr/bin/kelvaro");
    return parseCommandLine(words);
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(CommandLine, HelpAndVersionAnswerWithoutStarting) {
    for (const char* word : {"--help", "-h"}) {
        const CommandLine line = parse({word});
        EXPECT_EQ(line.action, Action::ShowHelp) << word;
        EXPECT_TRUE(contains(line.text, "Usage: kelvaro")) << line.text;
        EXPECT_TRUE(contains(line.text, "--dir <FOLDER>")) << line.text;
        EXPECT_TRUE(contains(line.text, "auto")) << line.text;
        EXPECT_FALSE(contains(line.text, "platform")) << "Qt's own options stay out of the help";
    }
    for (const char* word : {"--version", "-v"})
        EXPECT_EQ(parse({word}).text, "kelvaro " + programVersion()) << word;
    EXPECT_EQ(parse({"--dir", "/tmp", "--version"}).action, Action::ShowVersion);
    EXPECT_EQ(answerCommandLine(parse({"--version"})), 0);
}

TEST(CommandLine, StartsWithTheDocumentedArguments) {
    const CommandLine plain = parse({});
    EXPECT_EQ(plain.action, Action::Run);
    EXPECT_FALSE(plain.startMinimised);
    EXPECT_EQ(answerCommandLine(plain), -1);

    for (const char* word : {"auto", "AUTO", "Auto"}) {
        const CommandLine line = parse({"--dir", "/tmp/k", word});
        EXPECT_EQ(line.action, Action::Run) << word;
        EXPECT_TRUE(line.startMinimised) << word;
        EXPECT_EQ(line.dir, "/tmp/k");
    }
    EXPECT_EQ(parse({"--dir=/tmp/k2"}).dir, "/tmp/k2");
    // A folder that does not exist yet is made at start, so it is accepted.
    EXPECT_EQ(parse({"--dir", "/tmp/kelvaro-command-line-not-there"}).action, Action::Run);
}

TEST(CommandLine, LeavesQtItsOwnOptions) {
    const CommandLine line = parse({"-platform", "offscreen", "-style", "Fusion", "-reverse", "auto"});
    EXPECT_EQ(line.action, Action::Run) << line.text;
    EXPECT_TRUE(line.startMinimised) << "the value of -style must not be taken for a word";
}

TEST(CommandLine, RefusesWhatItDoesNotKnowWithAClearReason) {
    const auto std_file = std::filesystem::temp_directory_path() / "kelvaro-command-line-file";
    std::FILE* f = std::fopen(std_file.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    const struct {
        std::vector<std::string> words;
        const char* reason;
    } cases[] = {
        {{"--frobnicate"}, "Unknown option 'frobnicate'"},
        {{"-x"}, "Unknown option 'x'"},
        {{"--dir"}, "Missing value after '--dir'"},
        {{"--dir", ""}, "--dir needs a folder name"},
        {{"--dir", std_file.string()}, "is not a folder"},
        {{"automatic"}, "unexpected argument 'automatic'"},
        {{"auto", "later"}, "unexpected argument 'later'"},
        {{"-dir", "/tmp"}, "the folder option is written --dir"},
    };
    for (const auto& c : cases) {
        const CommandLine line = parse(c.words);
        EXPECT_EQ(line.action, Action::Refuse) << c.words.front();
        EXPECT_TRUE(contains(line.text, c.reason)) << line.text;
        EXPECT_TRUE(contains(line.text, "kelvaro --help")) << line.text;
    }
    EXPECT_EQ(answerCommandLine(parse({"--frobnicate"})), kBadUsageExit);
    std::filesystem::remove(std_file);
}

TEST(CommandLine, RequestsToTheRunningClock) {
    const struct {
        std::vector<std::string> words;
        const char* request;
    } cases[] = {
        {{"--status"}, "status"},
        {{"--snooze"}, "snooze"},
        {{"--stop"}, "stop"},
        {{"--alarm", "on"}, "alarm on"},
        {{"--alarm=off"}, "alarm off"},
        {{"--set-alarm", "7:05"}, "set-alarm 7:05"},
        {{"--dir", "/tmp/k", "--set-alarm", "23:59"}, "set-alarm 23:59"},
    };
    for (const auto& c : cases) {
        const CommandLine line = parse(c.words);
        EXPECT_EQ(line.action, Action::Remote) << line.text;
        EXPECT_EQ(line.remote, c.request);
        EXPECT_EQ(answerCommandLine(line), -1) << "main asks the clock";
    }
    const std::string help = parse({"--help"}).text;
    for (const char* part : {"--status", "--snooze", "--stop", "--alarm <on|off>", "--set-alarm <HH:MM>",
                             "Exit status:", "  3  the settings are locked", "  4  no running clock"})
        EXPECT_TRUE(contains(help, part)) << part;
}

TEST(CommandLine, RefusesARequestItCannotSend) {
    const struct {
        std::vector<std::string> words;
        const char* reason;
    } cases[] = {
        {{"--alarm", "maybe"}, "--alarm takes on or off"},
        {{"--alarm"}, "Missing value after '--alarm'"},
        {{"--set-alarm", "24:00"}, "--set-alarm takes a time HH:MM"},
        {{"--set-alarm", "7:5"}, "--set-alarm takes a time HH:MM"},
        {{"--set-alarm", "07:60"}, "--set-alarm takes a time HH:MM"},
        {{"--set-alarm", "0730"}, "--set-alarm takes a time HH:MM"},
        {{"--status", "--stop"}, "one of --status"},
        {{"--alarm", "on", "--alarm", "off"}, "one of --status"},
        {{"--snooze", "auto"}, "'auto' starts the clock"},
    };
    for (const auto& c : cases) {
        const CommandLine line = parse(c.words);
        EXPECT_EQ(line.action, Action::Refuse) << c.words.front() << " " << line.remote;
        EXPECT_TRUE(contains(line.text, c.reason)) << line.text;
    }
}
