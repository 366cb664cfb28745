#include "app/command_line.h"
#include "app/remote_control.h"
#include "framework/translatable.h"
#include "platform/linux/translation.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

#ifndef KELVARO_VERSION
#define KELVARO_VERSION "0"
#endif

namespace kelvaro {
namespace {

// Options QGuiApplication and QApplication take out of argv themselves; the parser must not
// refuse them. The boolean says whether the option takes a value.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"display", true},
    {"geometry", true},
    {"style", true},
    {"stylesheet", true},
    {"session", true},
    {"name", true},
    {"title", true},
    {"reverse", false},
    {"widgetcount", false},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
    {"qmljsdebugger", true},
};

QString q(const char* text) {
    return QString::fromUtf8(text);
}
QString t(const char* english) {
    return translated(english);
}

constexpr const char* kExitStatus =
    KV_TR("\nExit status:\n"
          "  0  done; or the clock ran and ended normally, or another clock already runs\n"
          "  1  not done: no alarm in progress to snooze or stop, or the change is left to\n"
          "     \"Are you sure ...?\" at the clock (\"Warn if Changing Settings\"), or --status\n"
          "     with no clock running cannot read the settings\n"
          "  2  the command line is refused\n"
          "  3  the settings are locked: the clock answers \"locked\"\n"
          "  4  no running clock to ask (every request but --status), or it did not answer\n");

std::string refusal(const QString& why) {
    return "kelvaro: " + why.toStdString() + "\n" +
           translatedText(KV_TR("Try 'kelvaro --help' for more information."));
}

} // namespace

std::string programVersion() {
    return KELVARO_VERSION;
}

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    QCommandLineParser parser;
    // "-platform offscreen" is one option, as Qt reads it, not eight letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        t(KV_TR("Kelvaro Clock: an alarm clock for travellers that shows and rings at the time of the "
                "city you choose.")));
    const QCommandLineOption help({q("h"), q("help")}, t(KV_TR("Show this help and exit.")));
    const QCommandLineOption version({q("v"), q("version")}, t(KV_TR("Show the version and exit.")));
    const QCommandLineOption dir(
        q("dir"),
        t(KV_TR("Keep the settings and lists in FOLDER (made when missing). Default: "
                "the program's own folder when it holds Kelvaro.ini, else "
                "~/.local/share/kelvaro.")),
        q("FOLDER"));
    const QCommandLineOption status(
        q("status"), t(KV_TR("Print the chosen city, the alarm time, whether the alarm is on, its "
                             "state and the next ring (ISO 8601 local time, or \"off\"), from the "
                             "running clock or, with none running, from the settings.")));
    const QCommandLineOption snooze(q("snooze"),
                                    t(KV_TR("Snooze the running clock's alarm, as a key does.")));
    const QCommandLineOption stop(q("stop"),
                                  t(KV_TR("Stop the running clock's alarm, as \"Stop Alarm\" does.")));
    const QCommandLineOption alarm(q("alarm"), t(KV_TR("Switch the running clock's alarm on or off.")),
                                   q("on|off"));
    const QCommandLineOption setAlarm(q("set-alarm"),
                                      t(KV_TR("Set the running clock's alarm time (24-hour).")), q("HH:MM"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(dir);
    for (const QCommandLineOption* option : {&status, &snooze, &stop, &alarm, &setAlarm})
        parser.addOption(*option);
    for (const QtOption& option : kQtOptions) {
        QCommandLineOption qtOption(q(option.name), QString(), option.takesValue ? q("value") : QString());
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    parser.addPositionalArgument(q("auto"), t(KV_TR("Start minimised (as the start with the session does).")),
                                 q("[auto]"));

    QStringList list;
    for (const auto& argument : arguments)
        list << QString::fromLocal8Bit(argument.c_str());
    if (list.isEmpty()) list << q("kelvaro");

    CommandLine line;
    // Qt's single-dash long options would let "-dir" through, but the program folder is read from
    // "--dir" alone (platform/linux/linux_paths.h).
    for (const QString& word : list.mid(1)) {
        if (word == q("-dir") || word.startsWith(q("-dir="))) {
            line.action = CommandLine::Action::Refuse;
            line.text = refusal(t(KV_TR("the folder option is written --dir.")));
            return line;
        }
    }
    if (!parser.parse(list)) {
        line.action = CommandLine::Action::Refuse;
        line.text = refusal(parser.errorText());
        return line;
    }
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::ShowHelp;
        // Qt's headings need its own catalogue, which needs the application not made yet: ours.
        QString text = parser.helpText().replace(q("<executable_name>"), q("kelvaro"));
        text.replace(q("Usage: "), t(KV_TR("Usage: ")));
        text.replace(q("\nOptions:\n"), q("\n") + t(KV_TR("Options:")) + q("\n"));
        text.replace(q("\nArguments:\n"), q("\n") + t(KV_TR("Arguments:")) + q("\n"));
        line.text = text.toStdString() + translatedText(kExitStatus);
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Action::ShowVersion;
        line.text = "kelvaro " + programVersion();
        return line;
    }
    // One request to the running clock at a time; its words are checked here, not there.
    std::vector<std::string> requests;
    for (const QCommandLineOption* option : {&status, &snooze, &stop})
        if (parser.isSet(*option)) requests.push_back(option->names().constFirst().toStdString());
    if (parser.isSet(alarm)) requests.push_back("alarm " + parser.value(alarm).toStdString());
    if (parser.isSet(setAlarm)) requests.push_back("set-alarm " + parser.value(setAlarm).toStdString());
    if (requests.size() > 1 || parser.values(alarm).size() > 1 || parser.values(setAlarm).size() > 1) {
        line.action = CommandLine::Action::Refuse;
        line.text =
            refusal(t(KV_TR("give one of --status, --snooze, --stop, --alarm and --set-alarm at a time.")));
        return line;
    }
    if (requests.size() == 1) {
        if (!parseRemoteRequest(requests[0])) {
            const bool isAlarm = parser.isSet(alarm);
            line.action = CommandLine::Action::Refuse;
            line.text = refusal(isAlarm ? t(KV_TR("--alarm takes on or off."))
                                        : t(KV_TR("--set-alarm takes a time HH:MM, 00:00 to 23:59.")));
            return line;
        }
        if (!parser.positionalArguments().isEmpty()) {
            line.action = CommandLine::Action::Refuse;
            line.text = refusal(t(KV_TR("'auto' starts the clock; it does not go with a request to it.")));
            return line;
        }
        line.action = CommandLine::Action::Remote;
        line.remote = requests[0];
    }
    for (const QString& word : parser.positionalArguments()) {
        if (word.compare(q("auto"), Qt::CaseInsensitive) != 0) {
            line.action = CommandLine::Action::Refuse;
            line.text =
                refusal(t(KV_TR("unexpected argument '%1' (the only word taken is 'auto').")).arg(word));
            return line;
        }
        line.startMinimised = true;
    }
    if (parser.isSet(dir)) {
        const QString folder = parser.values(dir).constLast();
        const QFileInfo info(folder);
        if (folder.isEmpty()) {
            line.action = CommandLine::Action::Refuse;
            line.text = refusal(t(KV_TR("--dir needs a folder name.")));
        } else if (info.exists() && !info.isDir()) {
            line.action = CommandLine::Action::Refuse;
            line.text = refusal(t(KV_TR("--dir: '%1' is not a folder.")).arg(folder));
        }
        line.dir = folder.toStdString();
    }
    return line;
}

CommandLine parseCommandLine(int argc, char** argv) {
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.emplace_back(argv[i] ? argv[i] : "");
    return parseCommandLine(arguments);
}

int answerCommandLine(const CommandLine& line) {
    switch (line.action) {
    case CommandLine::Action::Run:
    case CommandLine::Action::Remote:
        return -1;
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion:
        std::fprintf(stdout, "%s\n", line.text.c_str());
        return 0;
    case CommandLine::Action::Refuse:
        break;
    }
    std::fprintf(stderr, "%s\n", line.text.c_str());
    return kBadUsageExit;
}

} // namespace kelvaro
