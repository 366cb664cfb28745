#include "night/end_session.h"

#include "app/features.h"
#include "app/steps.h"
#include "framework/application.h"
#include "framework/translatable.h"
#include "night/sleep_mode.h"

namespace kelvaro {

namespace {

constexpr const char* kQuestion =
    KV_TR("Do you want to Allow Computer to Shutdown?\n\n  Allow Shutdown    Stop Shutdown");

struct EndSessionState {
    SessionEnd* service = nullptr;
    bool questionQueued = false;
    unsigned generation = 0; // a terminate makes the queued question stale
    // The service outlives a program that a test closes and starts again.
    ~EndSessionState() {
        if (service) service->mayEnd = nullptr;
    }
};

EndSessionState& endSession(Application& app) {
    return app.feature<EndSessionState>();
}

void askAllowShutdown(Application& app, unsigned generation) {
    EndSessionState& s = endSession(app);
    if (generation != s.generation) return;
    s.questionQueued = false;
    app.platform().speaker->ding();
    RaiseHold hold(app.main);
    // "Stop Shutdown" ends it too: the session asks again if it still wants to end.
    if (app.box(BoxKind::Warning, kQuestion, {Answer::Yes, Answer::Ignore}) != Answer::Yes) return;
    app.main.AllowEndSession = true;
    SyncPowerHolds(app);
    app.platform().inhibitor->suspend();
}

} // namespace

bool SessionMayEnd(Application& app) {
    if (app.main.AllowEndSession) return true;
    app.platform().speaker->ding();
    runStep(app, Step::ShowMainWindow);
    EndSessionState& s = endSession(app);
    if (!s.questionQueued) {
        s.questionQueued = true;
        const unsigned generation = s.generation;
        s.service->later([&app, generation] { app.guarded([&] { askAllowShutdown(app, generation); }); });
    }
    return false;
}

void EndSessionThreadTerminate(Application& app) {
    EndSessionState& s = endSession(app);
    ++s.generation;
    s.questionQueued = false;
}

void installEndSession(Application& app) {
    EndSessionState& s = endSession(app);
    s.service = app.platform().sessionEnd;
    s.service->mayEnd = [&app] { return SessionMayEnd(app); };
    defineStep(app, Step::EndSessionThreadTerminate, [&app] { EndSessionThreadTerminate(app); });
}

} // namespace kelvaro
