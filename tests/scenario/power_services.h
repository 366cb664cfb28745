#pragma once
// The power and session fakes as scripts see them: `power mains`,
// `power battery SECONDS|unknown`, `session end-request` and the
// pseudo-controls Power (the holds, the monitor, suspends) and Session.
#include "services.h"

namespace kelvaro::scenario {

std::unique_ptr<FakeService> makePowerService(ServiceHost& host);
std::string checkPower(const Words& args);
std::string checkSession(const Words& args);

} // namespace kelvaro::scenario
