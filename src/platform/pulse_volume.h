#pragma once
// The mixer's 0..65535 scale against the sound server's volume (65536 = 100 %).
// Both ways round, so a value written and read back is the same value; a server
// volume above 100 % reads as the top of the scale.
#include <cstdint>

namespace kelvaro {

inline std::uint32_t mixerToPulse(int value) {
    const auto v = static_cast<std::uint64_t>(value < 0 ? 0 : value > 65535 ? 65535 : value);
    return static_cast<std::uint32_t>((v * 65536 + 32767) / 65535);
}

inline int pulseToMixer(std::uint32_t volume) {
    const std::uint64_t v = (static_cast<std::uint64_t>(volume) * 65535 + 32768) / 65536;
    return static_cast<int>(v > 65535 ? 65535 : v);
}

} // namespace kelvaro
