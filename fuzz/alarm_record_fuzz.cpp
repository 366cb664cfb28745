// Feeds arbitrary bytes to the alarm record's reader and checks that a record it reads is
// written and read back unchanged, and that the look back from it stays within a week.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "alarm/alarm_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto record = kelvaro::readAlarmRecord(bytes);
    if (!record) return 0;
    if (kelvaro::readAlarmRecord(kelvaro::writeAlarmRecord(*record)) != record) std::abort();
    kelvaro::AlarmPlan plan;
    plan.on = true;
    plan.days.fill(true);
    const auto missed = kelvaro::missedSinceRecord(plan, *record, record->dealtUpTo + 20000, 120);
    if (missed.size() > 8) std::abort();
    return 0;
}
