#pragma once
// The Time Protocol's reply (RFC 868): four bytes, most significant first,
// counting seconds since 1 January 1900 00:00 UTC.
#include <cstdint>
#include <optional>
#include <vector>

namespace kelvaro {

// The seconds of a complete reply: exactly four bytes, else none.
std::optional<std::uint32_t> timeProtocolSeconds(const std::vector<std::uint8_t>& reply);

// The UTC date-time (days since 1899-12-30) a count stands for. The 32-bit counter
// wraps on 7 February 2036 06:28:16; counts below 2^31 (1968 and earlier, never
// sent by a live server) belong to the era after the wrap.
double timeProtocolDateTime(std::uint32_t seconds);

} // namespace kelvaro
