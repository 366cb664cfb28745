#pragma once
// Runs script files and reports one line per scenario.
#include <ostream>
#include <string>
#include <vector>

namespace kelvaro::scenario {

// Exit status: 0 all passed, 1 some failed, 2 a file could not be read or parsed
// (then nothing runs and `errors` names the file and line).
int runScriptFiles(const std::vector<std::string>& paths, std::ostream& report, std::ostream& errors);

} // namespace kelvaro::scenario
