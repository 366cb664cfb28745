#pragma once
// While a request from outside (`kelvaro --stop`, ...) is answered nothing waits on the user:
// its notes, and a change that would ask first, wait here until the answer has gone out.
#include "framework/application.h"

#include <functional>
#include <vector>

namespace kelvaro {

struct RemoteAnswerHold {
    bool answering = false;
    std::vector<std::function<void()>> after;
};

inline RemoteAnswerHold& remoteAnswerHold(Application& app) {
    return app.feature<RemoteAnswerHold>();
}

} // namespace kelvaro
