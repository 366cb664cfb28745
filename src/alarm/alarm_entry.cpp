#include "app/features.h"

namespace kelvaro {

void installAlarmEntry(Application&) {}

} // namespace kelvaro
