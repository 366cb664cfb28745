#pragma once
// The planner's fields: their initial texts, the "Use Defaults" fallbacks, their
// settings keys and their columns in the city list, in the order the defaults
// are written.
#include <array>

namespace kelvaro {

struct PlanField {
    const char* name;
    const char* initial;
    const char* fallback; // nullptr: the locale's morning designator
    const char* key;
    int column;
    bool number; // a whole number of minutes or hours
};

inline constexpr std::array<PlanField, 19> kPlanFields{{
    {"Edit1M", "25", "45", "M1", 6, true},
    {"Edit2M", "20", "20", "M2", 7, true},
    {"Edit3M", "20", "30", "M3", 8, true},
    {"Edit4M", "10", "10", "M4", 9, true},
    {"Edit5M", "25", "30", "M5", 10, true},
    {"Edit6M", "0", "0", "M6", 11, true},
    {"Edit7M", "0", "1", "M7", 12, true},
    {"Edit8M", "1", "0", "M8", 13, true},
    {"Edit9M", "10", "10", "M9", 14, true},
    {"ComboBoxHourM", "08", "08", "MH", 15, true},
    {"ComboBoxMinuteM", "00", "00", "MM", 16, true},
    {"ComboBoxAMPMM", "AM", nullptr, "MAM", 17, false},
    {"EditBT", "8", "8", "BT", 18, true},
    {"Edit1MT", "Time to Wake Up", "Time to Wake Up", "MT1", 19, false},
    {"Edit2MT", "Start Showering", "Start Showering", "MT2", 20, false},
    {"Edit3MT", "Start Dressing", "Start Dressing", "MT3", 21, false},
    {"Edit4MT", "Start Eating", "Start Eating", "MT4", 22, false},
    {"Edit5MT", "Start Driving", "Start Driving", "MT5", 23, false},
    {"EditBTT", "Quit", "Get to Sleep", "BTT", 24, false},
}};

inline constexpr int kPlanFirstColumn = 6;
inline constexpr int kPlanLastColumn = 24;

} // namespace kelvaro
