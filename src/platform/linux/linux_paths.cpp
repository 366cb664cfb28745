#include "platform/linux/linux_paths.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace kelvaro {
namespace {

constexpr const char* DirOption = "--dir";
constexpr const char* DirOptionJoined = "--dir=";

std::string xdgFolder(const char* variable, const char* fallbackUnderHome) {
    const char* value = std::getenv(variable);
    // The base directory rules say relative values are to be ignored.
    if (value && *value == '/') return value;
    return userHomeFolder() + fallbackUnderHome;
}

std::string withTrailingSlash(std::string path) {
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

std::optional<std::string> dirOption(const std::vector<std::string>& arguments) {
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == DirOption && i + 1 < arguments.size()) return arguments[i + 1];
        if (arguments[i].rfind(DirOptionJoined, 0) == 0)
            return arguments[i].substr(std::string(DirOptionJoined).size());
    }
    return std::nullopt;
}

std::vector<std::string> toVector(int argc, char** argv) {
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.emplace_back(argv[i] ? argv[i] : "");
    return arguments;
}

} // namespace

std::string userHomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && *home == '/') return home;
    // Not /tmp: a folder there may have been made by another user before this one starts.
    const passwd* account = ::getpwuid(::geteuid());
    return account && account->pw_dir && *account->pw_dir == '/' ? account->pw_dir : "/";
}

std::string xdgConfigHome() {
    return xdgFolder("XDG_CONFIG_HOME", "/.config");
}
std::string xdgDataHome() {
    return xdgFolder("XDG_DATA_HOME", "/.local/share");
}

std::string handoverFilePath() {
    return xdgConfigHome() + "/Kelvaro.ini";
}

std::string executablePath() {
    std::error_code ec;
    const fs::path path = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : path.string();
}

std::string resolveProgramDir(const std::vector<std::string>& arguments, const std::string& executable) {
    std::error_code ec;
    fs::path folder;
    if (auto given = dirOption(arguments); given && !given->empty()) {
        folder = fs::absolute(*given, ec);
        if (ec) folder = *given;
    } else if (!executable.empty() &&
               fs::is_regular_file(fs::path(executable).parent_path() / "Kelvaro.ini", ec)) {
        folder = fs::path(executable).parent_path();
    } else {
        folder = fs::path(xdgDataHome()) / "kelvaro";
    }
    fs::create_directories(folder, ec);
    return withTrailingSlash(folder.lexically_normal().string());
}

std::string resolveProgramDir(int argc, char** argv) {
    std::vector<std::string> arguments = toVector(argc, argv);
    std::string executable = executablePath();
    if (executable.empty() && !arguments.empty()) {
        std::error_code ec;
        executable = fs::absolute(arguments[0], ec).string();
    }
    return resolveProgramDir(arguments, executable);
}

std::vector<std::string> programArguments(const std::vector<std::string>& arguments) {
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0 && arguments[i] == DirOption) {
            ++i; // and its value
            continue;
        }
        if (i > 0 && arguments[i].rfind(DirOptionJoined, 0) == 0) continue;
        kept.push_back(arguments[i]);
    }
    return kept;
}

std::vector<std::string> programArguments(int argc, char** argv) {
    return programArguments(toVector(argc, argv));
}

} // namespace kelvaro
