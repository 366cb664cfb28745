#pragma once
// The desktop session asks whether it may end. While the sleep command runs
// the answer is no, and one question afterwards lets the user allow it.
namespace kelvaro {

class Application;

// The session's question; true lets it end.
bool SessionMayEnd(Application& app);
// A question not yet asked is dropped (the program closes).
void EndSessionThreadTerminate(Application& app);

} // namespace kelvaro
