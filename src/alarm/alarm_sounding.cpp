#include "app/features.h"

namespace kelvaro {

void installAlarmSounding(Application&) {}

} // namespace kelvaro
