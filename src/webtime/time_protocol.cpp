#include "webtime/time_protocol.h"

namespace kelvaro {

namespace {
constexpr double SecondsPerDay = 86'400.0;
constexpr double Day1900 = 2.0; // 1 January 1900 in days since 30 December 1899
constexpr double EraSeconds = 4'294'967'296.0;
} // namespace

std::optional<std::uint32_t> timeProtocolSeconds(const std::vector<std::uint8_t>& reply) {
    if (reply.size() != 4) return std::nullopt;
    return (std::uint32_t{reply[0]} << 24) | (std::uint32_t{reply[1]} << 16) |
           (std::uint32_t{reply[2]} << 8) | std::uint32_t{reply[3]};
}

double timeProtocolDateTime(std::uint32_t seconds) {
    double s = static_cast<double>(seconds);
    if (seconds < 0x8000'0000u) s += EraSeconds;
    return Day1900 + s / SecondsPerDay;
}

} // namespace kelvaro
