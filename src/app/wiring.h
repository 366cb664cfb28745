#pragma once
// A check of the assembled program's run-time names: every step is defined by
// a feature, every handler a window or control routes an event to exists, and
// every question of `Queries` has its answerer, and the views are handed every hook.
#include <string>
#include <vector>

namespace kelvaro {

class Application;

// One line per fault; empty when the wiring is whole.
std::vector<std::string> wiringProblems(Application& app);

} // namespace kelvaro
