#include "app/command_line.h"

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

std::string refusal(const QString& why) {
    return "kelvaro: " + why.toStdString() + "\nTry 'kelvaro --help' for more information.";
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
        q("Kelvaro Clock: an alarm clock for travellers that shows and rings at the time of the "
          "city you choose."));
    const QCommandLineOption help({q("h"), q("help")}, q("Show this help and exit."));
    const QCommandLineOption version({q("v"), q("version")}, q("Show the version and exit."));
    const QCommandLineOption dir(q("dir"),
                                 q("Keep the settings and lists in FOLDER (made when missing). Default: "
                                   "the program's own folder when it holds Kelvaro.ini, else "
                                   "~/.local/share/kelvaro."),
                                 q("FOLDER"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(dir);
    for (const QtOption& option : kQtOptions) {
        QCommandLineOption qtOption(q(option.name), QString(), option.takesValue ? q("value") : QString());
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    parser.addPositionalArgument(q("auto"), q("Start minimised (as the start with the session does)."),
                                 q("[auto]"));

    QStringList list;
    for (const auto& argument : arguments)
        list << QString::fromLocal8Bit(argument.c_str());
    if (list.isEmpty()) list << q("kelvaro");

    CommandLine line;
    // Qt's single-dash long options would let "-dir" through, but the program folder is read from
    // "--dir" alone (platform/linux_paths.h).
    for (const QString& word : list.mid(1)) {
        if (word == q("-dir") || word.startsWith(q("-dir="))) {
            line.action = CommandLine::Action::Refuse;
            line.text = refusal(q("the folder option is written --dir."));
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
        line.text = parser.helpText().replace(q("<executable_name>"), q("kelvaro")).toStdString();
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Action::ShowVersion;
        line.text = "kelvaro " + programVersion();
        return line;
    }
    for (const QString& word : parser.positionalArguments()) {
        if (word.compare(q("auto"), Qt::CaseInsensitive) != 0) {
            line.action = CommandLine::Action::Refuse;
            line.text = refusal(q("unexpected argument '") + word + q("' (the only word taken is 'auto')."));
            return line;
        }
        line.startMinimised = true;
    }
    if (parser.isSet(dir)) {
        const QString folder = parser.values(dir).constLast();
        const QFileInfo info(folder);
        if (folder.isEmpty()) {
            line.action = CommandLine::Action::Refuse;
            line.text = refusal(q("--dir needs a folder name."));
        } else if (info.exists() && !info.isDir()) {
            line.action = CommandLine::Action::Refuse;
            line.text = refusal(q("--dir: '") + folder + q("' is not a folder."));
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
