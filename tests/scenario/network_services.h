#pragma once
// The network and clock-setting fakes as scripts see them: `timeserver`,
// `clockset`, `clock ntp`, `dns`, `http` and the pseudo-controls TimeServer,
// Clock, DNS and HTTP.
#include "services.h"

namespace kelvaro::scenario {

std::unique_ptr<FakeService> makeTimeServerService(ServiceHost& host);
std::unique_ptr<FakeService> makeWebService(ServiceHost& host);
std::string checkTimeServer(const Words& args);
std::string checkClockSet(const Words& args);
std::string checkClockNtp(const Words& args);
std::string checkDns(const Words& args);
std::string checkHttp(const Words& args);

} // namespace kelvaro::scenario
