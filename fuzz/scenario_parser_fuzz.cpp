// Feeds arbitrary text to the scenario script parser: it must accept it or refuse it with a
// ParseError naming a line of the text, and nothing else.
#include "script.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const auto scenarios = kelvaro::scenario::parseScript(text, "fuzz.scn");
        for (const auto& scenario : scenarios)
            for (const auto& command : scenario.commands)
                if (command.line < 1 || command.verb.empty()) std::abort();
    } catch (const kelvaro::scenario::ParseError& error) {
        if (error.line < 0 || error.file != "fuzz.scn") std::abort();
    }
    return 0;
}
