#pragma once
namespace kelvaro {

class Application;

void ConstructMainWindow(Application& app);
void FormPaint(Application& app);
void FormClose(Application& app);
void ShowSoundLimits(Application& app);
void installStartup(Application& app);

} // namespace kelvaro
