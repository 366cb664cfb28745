#pragma once
// A check of the assembled program's run-time names: every step is defined by
// a feature or listed as coming later, every handler a window or control routes
// an event to exists, and every question has its answerer.
#include <string>
#include <vector>

namespace kelvaro {

class Application;

// One line per fault; empty when the wiring is whole.
std::vector<std::string> wiringProblems(Application& app);

} // namespace kelvaro
