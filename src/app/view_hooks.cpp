#include "app/view_hooks.h"

namespace kelvaro {

ViewHooks& viewHooks(Application& app) {
    return app.feature<ViewHooks>();
}

} // namespace kelvaro
