#pragma once
// The fake media player and CD drive as scripts see them (MediaPlayer1.*, `player`, `cd`).
#include "services.h"

#include <memory>

namespace kelvaro::scenario {

std::unique_ptr<FakeService> makeFakePlayerService(ServiceHost& host);

} // namespace kelvaro::scenario
