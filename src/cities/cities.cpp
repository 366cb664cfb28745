#include "app/features.h"

namespace kelvaro {

void installCities(Application&) {}

} // namespace kelvaro
