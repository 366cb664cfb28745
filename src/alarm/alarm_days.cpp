#include "app/features.h"

namespace kelvaro {

void installAlarmDays(Application&) {}

} // namespace kelvaro
