#pragma once
// The battery line of the main window and the low-battery warning.
namespace kelvaro {

class Application;

// Every tick: mains hides both labels; on battery the time left shows, and
// below four minutes the warning comes up once, with a beep.
void BatteryStep(Application& app);

} // namespace kelvaro
