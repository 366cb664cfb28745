#pragma once
// The record of how far the alarm has been dealt with, kept in the program folder so
// that a start after the program was not running (closed, killed, the computer off)
// can look back over the time nobody listened. Plain text, all times UTC:
//
//   [AlarmRecord]
//   DealtUpTo=2026-12-08 07:00
//   SnoozeEnd=2026-12-08 07:05
//
// Times are whole minutes counted from the framework's day 0, as in missed_alarms.h.
#include "alarm/missed_alarms.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

inline constexpr const char* kAlarmRecordFile = "AlarmRecord.ini";

struct AlarmRecord {
    std::int64_t dealtUpTo = 0; // every alarm minute and snooze end up to here rang or was reported
    std::optional<std::int64_t> snoozeEnd; // the end of a snooze that was running
    friend bool operator==(const AlarmRecord&, const AlarmRecord&) = default;
};

std::string writeAlarmRecord(const AlarmRecord& record);
// Nothing for anything but a whole record: a missing or malformed time, a time out of 1900..9999.
std::optional<AlarmRecord> readAlarmRecord(std::string_view bytes);

// The alarm minutes and snooze end that passed between the record and now, on the city clock
// (cityAheadOfUtc minutes ahead of UTC). The plan's own snooze is left out: none runs at a start.
// Nothing when the record lies in the future (the clock was set back).
std::vector<DueMoment> missedSinceRecord(AlarmPlan plan, const AlarmRecord& record, std::int64_t nowUtc,
                                         std::int64_t cityAheadOfUtc);

} // namespace kelvaro
