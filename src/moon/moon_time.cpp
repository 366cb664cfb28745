#include "moon/moon_time.h"

#include <chrono>
#include <ctime>

namespace kelvaro::moon {

double CurrentLocalDateTime() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto sinceSecond = now - std::chrono::system_clock::from_time_t(seconds);
    const double fraction = std::chrono::duration<double>(sinceSecond).count();
    return EncodeMoonDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                              local.tm_min, local.tm_sec + fraction);
}

} // namespace kelvaro::moon
