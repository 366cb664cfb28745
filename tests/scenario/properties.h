#pragma once
// Reading and writing the script-visible properties of controls and windows.
#include "framework/application.h"

#include <string>

namespace kelvaro::scenario {

// The value as a script compares it: booleans "true"/"false", colours and numbers in decimal,
// items joined with '|'. Throw ScenarioFailure for a property the target does not have.
std::string readProperty(Application& app, const std::string& name, const std::string& property);
void writeProperty(Application& app, const std::string& name, const std::string& property,
                   const std::string& value);

std::string& gridCell(Application& app, const std::string& name, int row, int col);

} // namespace kelvaro::scenario
