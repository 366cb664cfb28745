#include "platform/linux/linux_shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

#include <sys/stat.h>

namespace kelvaro {
namespace {

// "http://x", "file:///x", "mailto:x" are addresses; "/home/a b.mp3" and "b1.htm" are files.
QUrl urlFor(const QString& target) {
    const QUrl url(target, QUrl::StrictMode);
    if (url.isValid() && url.scheme().size() > 1) return url;
    return QUrl::fromLocalFile(target);
}

} // namespace

bool LinuxShell::open(const std::string& target) {
    if (target.empty()) return false;
    return QDesktopServices::openUrl(urlFor(QString::fromStdString(target)));
}

bool LinuxShell::startProgram(const std::string& program, const std::vector<std::string>& arguments) {
    if (program.empty()) return false;
    QStringList args;
    for (const auto& argument : arguments)
        args << QString::fromStdString(argument);
    return QProcess::startDetached(QString::fromStdString(program), args);
}

bool LinuxShell::isExecutable(const std::string& path) const {
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0) return false;
    return S_ISREG(info.st_mode) && (info.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) != 0;
}

} // namespace kelvaro
