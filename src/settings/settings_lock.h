#pragma once
namespace kelvaro {

class Application;

void ApplySettingsLock(Application& app);
// True when the user refused the change (only asked while "Warn if Changing Settings" is on).
bool ConfirmSettingChange(Application& app);
bool ConfirmNotebookChange(Application& app); // leaves MayRaiseWindow alone
void installSettingsLock(Application& app);

} // namespace kelvaro
