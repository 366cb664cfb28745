#pragma once
// The computer's sleep as scripts see it: `power suspend DURATION` (the system
// announces its sleep, the clock jumps ahead with no tick, the resume follows),
// `power wake kernel|helper|system|none` (what the system allows for waking it)
// and `Power.wakeat`, the wake-up the program last asked for.
#include "services.h"

#include <memory>

namespace kelvaro::scenario {

std::string checkPowerSuspend(const Words& args);
std::unique_ptr<FakeService> makeWakeService(ServiceHost& host);

} // namespace kelvaro::scenario
