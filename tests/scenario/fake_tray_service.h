#pragma once
// The fake tray as scripts see it (`tray none|click|dblclick|rightclick`, `tray screen W H`, Tray.*).
#include "services.h"

#include <memory>

namespace kelvaro::scenario {

std::string checkTray(const Words& args);
std::unique_ptr<FakeService> makeFakeTrayService(ServiceHost& host);

} // namespace kelvaro::scenario
