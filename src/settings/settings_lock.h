#pragma once
#include <functional>

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
// While a request from outside is answered, a change that would ask "Are you sure ...?" waits
// until the answer has gone out, so the asker never waits on the question: true when `change`
// was left for then; false when it is for the caller to make now.
bool AskAfterRemoteAnswer(Application& app, std::function<void()> change);
void installSettingsLock(Application& app);

} // namespace kelvaro
