#pragma once
namespace kelvaro {

class Application;
struct Control;

void ApplySettingsLock(Application& app);
// True when the user refused the change (only asked while "Warn if Changing Settings" is on).
bool ConfirmSettingChange(Application& app);
bool ConfirmNotebookChange(Application& app); // leaves MayRaiseWindow alone
// For a check box whose mark has already flipped: true when the change is refused,
// and then the mark is back as it was, so no later save can store it.
bool RefuseCheckBoxChange(Application& app, Control& box);
void installSettingsLock(Application& app);

} // namespace kelvaro
