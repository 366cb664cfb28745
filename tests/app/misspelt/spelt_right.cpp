// Compiles: the same lines spelt right, so the two failures above are about the names.
#include "app/steps.h"
#include "app/windows.h"

void spelt(kelvaro::Application& app) {
    kelvaro::runStep(app, kelvaro::Step::SetMoonDate);
    kelvaro::mainWindow(app).ComboBoxHour.text = "07";
}
