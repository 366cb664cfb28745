#pragma once
// The fake mixer as scripts see it (`mixer none`, `mixer set LINE VALUE [muted]`, Mixer.*).
#include "services.h"

#include <memory>

namespace kelvaro::scenario {

std::string checkMixer(const Words& args);
std::unique_ptr<FakeService> makeFakeMixerService(ServiceHost& host);

} // namespace kelvaro::scenario
