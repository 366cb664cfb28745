#include "platform/fake/fake_power.h"

namespace kelvaro {

const char* monitorName(MonitorPower power) {
    switch (power) {
    case MonitorPower::Standby:
        return "standby";
    case MonitorPower::Off:
        return "off";
    case MonitorPower::On:
        break;
    }
    return "on";
}

} // namespace kelvaro
