#pragma once
namespace kelvaro {

class Application;

void ConstructMainWindow(Application& app);
void FormPaint(Application& app);
void FormClose(Application& app);
void ShowSoundLimits(Application& app);
// The start-with-the-session entry, written whatever 'AutoStart' says (removed at close when off).
void WriteAutostartEntry(Application& app);
void RemoveAutostartEntry(Application& app);
void installStartup(Application& app);

} // namespace kelvaro
