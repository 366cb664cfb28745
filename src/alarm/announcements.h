#pragma once
// What a screen reader is told as it happens: the logic says what happened, the
// view words it. Without a listener (tests, no view) nothing is said.
#include "framework/application.h"

#include <functional>

namespace kelvaro {

enum class Announcement {
    AlarmSounding,  // an alarm starts to sound
    Snoozed,        // number: the snooze's minutes
    SuperAlarmStep, // number: the step reached, 1 to 4
};

struct Announcements {
    std::function<void(Announcement, int number)> listener;
};

inline void announce(Application& app, Announcement what, int number = 0) {
    if (const auto& listener = app.feature<Announcements>().listener) listener(what, number);
}

} // namespace kelvaro
