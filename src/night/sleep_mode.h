#pragma once
// The bedtime command: make sure the alarm will sound, warn on battery, then
// the night screen until morning; and the holds on suspend and shutdown.
namespace kelvaro {

class Application;

void Sleep1Click(Application& app);
// The minute step while the night screen shows: its clock, or the display to standby.
void SleepMinuteStep(Application& app);
// Suspend is refused while the alarm is on and "Stop Hibernate and Stand-by" is
// checked; shutdown waits while the sleep command runs.
void SyncPowerHolds(Application& app);

} // namespace kelvaro
