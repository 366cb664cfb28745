#include "sound/gentle_start.h"

#include <algorithm>

namespace kelvaro {

int gentleStartLevel(int alarmLevel) {
    return std::max(1, alarmLevel / 20);
}

int gentleLevelAt(int alarmLevel, std::int64_t elapsedMs, int seconds) {
    const std::int64_t span = std::int64_t{seconds} * 1000;
    if (seconds <= 0 || elapsedMs >= span) return alarmLevel;
    const int start = std::min(gentleStartLevel(alarmLevel), alarmLevel);
    if (elapsedMs <= 0) return start;
    return start + static_cast<int>((std::int64_t{alarmLevel - start} * elapsedMs) / span);
}

} // namespace kelvaro
