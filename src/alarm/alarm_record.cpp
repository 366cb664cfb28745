#include "alarm/alarm_record.h"

#include "framework/datetime.h"

#include <algorithm>
#include <cstdio>

namespace kelvaro {

namespace {

constexpr const char* kSection = "[AlarmRecord]";
constexpr std::string_view kDealtKey = "DealtUpTo=";
constexpr std::string_view kSnoozeKey = "SnoozeEnd=";

std::string minuteText(std::int64_t minute) {
    const DateTime at = minuteToDateTime(minute);
    const DateParts d = decodeDate(at);
    const TimeParts t = decodeTime(at);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", d.year, d.month, d.day, t.hour, t.minute);
    return text;
}

std::optional<int> digits(std::string_view s, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (s[i] < '0' || s[i] > '9') return std::nullopt;
        value = value * 10 + (s[i] - '0');
    }
    return value;
}

// Exactly "YYYY-MM-DD HH:MM".
std::optional<std::int64_t> parseMinute(std::string_view s) {
    if (s.size() != 16 || s[4] != '-' || s[7] != '-' || s[10] != ' ' || s[13] != ':') return std::nullopt;
    const auto year = digits(s, 0, 4), month = digits(s, 5, 2), day = digits(s, 8, 2);
    const auto hour = digits(s, 11, 2), minute = digits(s, 14, 2);
    if (!year || !month || !day || !hour || !minute || *year < 1900) return std::nullopt;
    const auto date = tryEncodeDate(*year, *month, *day);
    if (!date || *hour > 23 || *minute > 59) return std::nullopt;
    return wholeMinute(*date) + *hour * 60 + *minute;
}

std::string_view withoutLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
        line.remove_suffix(1);
    return line;
}

} // namespace

std::string writeAlarmRecord(const AlarmRecord& record) {
    std::string text =
        std::string(kSection) + "\n" + std::string(kDealtKey) + minuteText(record.dealtUpTo) + "\n";
    if (record.snoozeEnd) text += std::string(kSnoozeKey) + minuteText(*record.snoozeEnd) + "\n";
    return text;
}

std::optional<AlarmRecord> readAlarmRecord(std::string_view bytes) {
    std::optional<std::int64_t> dealt, snooze;
    bool sectionSeen = false;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view line = withoutLineEnd(bytes.substr(0, end));
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
        if (line == kSection) {
            sectionSeen = true;
        } else if (line.starts_with(kDealtKey)) {
            if (dealt || !(dealt = parseMinute(line.substr(kDealtKey.size())))) return std::nullopt;
        } else if (line.starts_with(kSnoozeKey)) {
            if (snooze || !(snooze = parseMinute(line.substr(kSnoozeKey.size())))) return std::nullopt;
        } else if (!line.empty()) {
            return std::nullopt; // not ours, or torn: trust none of it
        }
    }
    if (!sectionSeen || !dealt) return std::nullopt;
    return AlarmRecord{*dealt, snooze};
}

std::vector<DueMoment> missedSinceRecord(AlarmPlan plan, const AlarmRecord& record, std::int64_t nowUtc,
                                         std::int64_t cityAheadOfUtc) {
    if (record.dealtUpTo >= nowUtc) return {};
    plan.snoozeMinute.reset();
    std::vector<DueMoment> missed =
        dueMoments(plan, record.dealtUpTo + cityAheadOfUtc, nowUtc + cityAheadOfUtc);
    if (record.snoozeEnd && *record.snoozeEnd > record.dealtUpTo && *record.snoozeEnd <= nowUtc) {
        const DueMoment end{*record.snoozeEnd + cityAheadOfUtc, true};
        missed.insert(
            std::upper_bound(missed.begin(), missed.end(), end,
                             [](const DueMoment& a, const DueMoment& b) { return a.minute < b.minute; }),
            end);
    }
    return missed;
}

} // namespace kelvaro
