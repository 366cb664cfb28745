#include "runner.h"

#include "script.h"
#include "session.h"

#include <memory>

namespace kelvaro::scenario {

namespace {

// Runs one scenario; "" when it passed, else "line L: WHAT".
std::string runScenario(const Scenario& scenario) {
    std::unique_ptr<Session> session;
    auto line = [&] {
        return std::to_string(session && session->currentLine() ? session->currentLine() : scenario.line);
    };
    try {
        session = std::make_unique<Session>();
        session->runAll(scenario.commands);
        return {};
    } catch (const std::exception& e) {
        return "line " + line() + ": " + e.what();
    } catch (...) {
        return "line " + line() + ": unknown exception";
    }
}

} // namespace

int runScriptFiles(const std::vector<std::string>& paths, std::ostream& report, std::ostream& errors) {
    std::vector<Scenario> scenarios;
    try {
        for (const auto& path : paths) {
            auto parsed = loadScript(path);
            scenarios.insert(scenarios.end(), parsed.begin(), parsed.end());
        }
    } catch (const ParseError& e) {
        errors << "kelvaro-scenario: " << e.what() << "\n";
        return 2;
    }
    int passed = 0, failed = 0, number = 0;
    for (const auto& scenario : scenarios) {
        ++number;
        const std::string failure = runScenario(scenario);
        if (failure.empty()) {
            ++passed;
            report << "ok " << number << " - " << scenario.name << "\n";
        } else {
            ++failed;
            report << "not ok " << number << " - " << scenario.name << ": " << failure << "\n";
        }
        report.flush();
    }
    report << passed << " passed, " << failed << " failed\n";
    return failed ? 1 : 0;
}

} // namespace kelvaro::scenario
