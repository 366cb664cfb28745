#pragma once
// Notifications kept in memory; a test presses their buttons.
#include "platform/notifier.h"

#include <vector>

namespace kelvaro {

class FakeNotifier : public Notifier {
  public:
    struct Shown {
        std::uint32_t id = 0;
        std::string title, body;
        std::vector<NotificationAction> actions;
        bool open = true;
    };

    std::uint32_t show(const std::string& title, const std::string& body,
                       const std::vector<NotificationAction>& actions) override {
        shown_.push_back({static_cast<std::uint32_t>(shown_.size() + 1), title, body, actions, true});
        return shown_.back().id;
    }
    void close(std::uint32_t id) override {
        if (id >= 1 && id <= shown_.size()) shown_[id - 1].open = false;
    }
    void onAction(ActionHandler handler) override { handler_ = std::move(handler); }

    const std::vector<Shown>& shown() const { return shown_; }
    // The user presses button `key` of the last notification; false when it has no such button
    // or is closed (the desktop took it away).
    bool press(const std::string& key) {
        if (shown_.empty() || !shown_.back().open) return false;
        const Shown& last = shown_.back();
        bool offered = false;
        for (const NotificationAction& a : last.actions)
            offered = offered || a.key == key;
        if (!offered) return false;
        if (handler_) handler_(last.id, key);
        return true;
    }

  private:
    std::vector<Shown> shown_;
    ActionHandler handler_;
};

} // namespace kelvaro
