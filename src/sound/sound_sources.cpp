#include "app/features.h"

namespace kelvaro {

void installSoundSources(Application&) {}

} // namespace kelvaro
