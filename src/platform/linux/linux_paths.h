#pragma once
// Where the program keeps its files on Linux.
#include <string>
#include <vector>

namespace kelvaro {

// $HOME, else the home folder of the user's account; never a shared folder such as /tmp.
std::string userHomeFolder();
// $XDG_CONFIG_HOME, or $HOME/.config when unset or not absolute. No trailing '/'.
std::string xdgConfigHome();
// $XDG_DATA_HOME, or $HOME/.local/share. No trailing '/'.
std::string xdgDataHome();

// The per-user hand-over file through which a second start finds the first: $XDG_CONFIG_HOME/Kelvaro.ini.
std::string handoverFilePath();

// This program's executable (from /proc/self/exe), or empty.
std::string executablePath();

// The program folder, always with a trailing '/':
//   "--dir PATH" (or "--dir=PATH") when given;
//   else the executable's folder when it holds "Kelvaro.ini" (a portable install);
//   else $XDG_DATA_HOME/kelvaro/.
// The chosen folder is created when missing.
std::string resolveProgramDir(int argc, char** argv);
std::string resolveProgramDir(const std::vector<std::string>& arguments, const std::string& executable);

// The command line without "--dir PATH"; argument 0, the program path, is kept.
std::vector<std::string> programArguments(int argc, char** argv);
std::vector<std::string> programArguments(const std::vector<std::string>& arguments);

} // namespace kelvaro
