#include "platform/linux/linux_autostart.h"

#include "framework/translatable.h"
#include "platform/linux/linux_paths.h"
#include "platform/linux/translation.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <cctype>
#include <filesystem>

namespace kelvaro {
namespace {

constexpr const char* ReservedInExec = " \t\n\"'\\><~|&;$*?#()`";

bool needsQuotes(const std::string& argument) {
    return argument.empty() || argument.find_first_of(ReservedInExec) != std::string::npos;
}

} // namespace

std::string xdgAutostartFolder() {
    return xdgConfigHome() + "/autostart";
}

std::string desktopFileName(const std::string& entryName) {
    if (entryName == "Alarm Clock") return "kelvaro.desktop";
    std::string base;
    for (unsigned char c : entryName)
        base += (std::isalnum(c) || c == '-' || c == '_') ? static_cast<char>(std::tolower(c)) : '-';
    if (base.empty()) base = "kelvaro";
    return base + ".desktop";
}

std::string desktopExecArgument(const std::string& argument) {
    std::string exec;
    if (!needsQuotes(argument)) {
        exec = argument;
    } else {
        exec = "\"";
        for (char c : argument) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') exec += '\\';
            exec += c;
        }
        exec += '"';
    }
    // Exec is itself a string value: '%' starts a field code, '\' an escape.
    std::string value;
    for (char c : exec) {
        if (c == '%')
            value += "%%";
        else if (c == '\\')
            value += "\\\\";
        else if (c == '\n')
            value += "\\n";
        else
            value += c;
    }
    return value;
}

std::string autostartEntryText(const std::string& program, const std::vector<std::string>& arguments) {
    std::string exec = desktopExecArgument(program);
    for (const std::string& argument : arguments) {
        exec += ' ';
        exec += desktopExecArgument(argument);
    }
    constexpr const char* comment = KV_TR("Alarm clock for travellers");
    // Appended, not "..." + exec: GCC 12 flags that with a false -Wrestrict at -O2.
    std::string text = "[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Kelvaro Clock\n"
                       "Comment=";
    text += comment;
    text += "\n";
    // The desktop's list of programs started at login shows it in the user's language.
    if (const std::string language = currentLanguage(); language != "en")
        text += "Comment[" + language + "]=" + translatedText(comment) + "\n";
    text += "Exec=";
    text += exec;
    text += "\n"
            "Terminal=false\n"
            "X-GNOME-Autostart-enabled=true\n";
    return text;
}

XdgAutostart::XdgAutostart(std::string autostartFolder) : folder_(std::move(autostartFolder)) {}

std::string XdgAutostart::folder() const {
    return folder_.empty() ? xdgAutostartFolder() : folder_;
}

std::string XdgAutostart::entryPath(const std::string& name) const {
    return folder() + "/" + desktopFileName(name);
}

void XdgAutostart::writeEntry(const std::string& name, const std::string& program,
                              const std::vector<std::string>& arguments) {
    std::error_code ec;
    std::filesystem::create_directories(folder(), ec);
    // QSaveFile writes a temporary file and renames it over the entry, so a
    // session starting meanwhile never reads half an entry.
    QSaveFile file(QString::fromStdString(entryPath(name)));
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(QByteArray::fromStdString(autostartEntryText(program, arguments)));
    file.commit();
}

void XdgAutostart::removeEntry(const std::string& name) {
    std::error_code ec;
    std::filesystem::remove(entryPath(name), ec);
}

bool XdgAutostart::hasEntry(const std::string& name) const {
    std::error_code ec;
    return std::filesystem::is_regular_file(entryPath(name), ec);
}

} // namespace kelvaro
