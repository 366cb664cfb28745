#pragma once
// Plain rules for the names the sound sources work with: paths written with
// either separator (a stored Windows-style default must still read), CD track
// files, titles shown while a piece plays, and the program's parameter text.
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

// The part after the last '/' or '\'.
std::string fileNamePart(const std::string& path);
// The part before the last '/' or '\', without it; empty when there is none.
std::string folderPart(const std::string& path);
// The file-name part up to its first "."; empty when it has no ".".
std::string titleOf(const std::string& path);
// The two characters just before the first "." of the file-name part, as a
// number ("Track07.cda" is 7); nothing when they are not digits.
std::optional<int> cdTrackOf(const std::string& path);
// Blank-separated words; double quotes keep blanks inside one word and are dropped.
std::vector<std::string> splitProgramParams(const std::string& text);

} // namespace kelvaro
