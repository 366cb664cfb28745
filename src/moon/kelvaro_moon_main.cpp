// kelvaro-moon: prints the Moon's phase and the positions behind it for given instants.
#include "moon/iso_instant.h"
#include "moon/moon_phase.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kUsage =
    "usage: kelvaro-moon [INSTANT...]\n"
    "  INSTANT: YYYY-MM-DD[Thh:mm[:ss[.fff]]][Z|+hh:mm|-hh:mm], Universal Time unless a zone is given.\n"
    "  Without arguments, reads one instant per line from standard input.\n"
    "  Prints per instant: instant, phase angle, illuminated fraction, Sun's apparent longitude,\n"
    "  Moon's apparent longitude, latitude (degrees) and distance (km).\n";

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// Prints one line; false when the text is not an instant.
bool PrintInstant(std::string_view text) {
    const auto dateTime = kelvaro::moon::ParseIsoInstant(text);
    if (!dateTime) {
        std::cerr << "kelvaro-moon: not an ISO 8601 instant: \"" << text
                  << "\" (expected YYYY-MM-DD[Thh:mm[:ss[.fff]]][Z|+hh:mm])\n";
        return false;
    }
    const auto phase = kelvaro::moon::ComputeMoonPhase(*dateTime);
    std::printf("%.*s %.6f %.6f %.6f %.6f %.6f %.6f\n", static_cast<int>(text.size()), text.data(),
                phase.phaseAngle, phase.illuminatedFraction, phase.sun.apparentLongitude,
                phase.moon.apparentLongitude, phase.moon.latitude, phase.moon.distanceKm);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    bool allGood = true;
    if (argc > 1) {
        for (int i = 1; i < argc; ++i) {
            const std::string_view arg = argv[i];
            if (arg == "-h" || arg == "--help") {
                std::fputs(kUsage.data(), stdout);
                return 0;
            }
        }
        for (int i = 1; i < argc; ++i)
            allGood = PrintInstant(Trimmed(argv[i])) && allGood;
    } else {
        std::string line;
        while (std::getline(std::cin, line)) {
            const std::string_view text = Trimmed(line);
            if (!text.empty()) allGood = PrintInstant(text) && allGood;
        }
    }
    std::fflush(stdout);
    return allGood ? 0 : 1;
}
