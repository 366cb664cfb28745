#include "app/features.h"

namespace kelvaro {

void installMusicLists(Application&) {}

} // namespace kelvaro
