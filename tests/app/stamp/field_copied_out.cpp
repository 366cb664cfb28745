// Must not compile: a field copied out of its control would count its writes on
// whatever lies where its control would be.
#include "framework/control.h"

void copiedOut(kelvaro::Control& c) {
    auto caption = c.caption;
    caption = "x";
}
