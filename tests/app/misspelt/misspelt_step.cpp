// Must not compile: a step that is not declared.
#include "app/steps.h"

void misspelt(kelvaro::Application& app) {
    kelvaro::runStep(app, kelvaro::Step::SetMoonDat);
}
