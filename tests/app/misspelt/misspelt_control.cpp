// Must not compile: a control the main window does not have.
#include "app/windows.h"

void misspelt(kelvaro::Application& app) {
    kelvaro::mainWindow(app).ComboBoxHuor.text = "07";
}
