#pragma once
// Desktop notifications with buttons: the alarm tells the desktop it sounds, and
// the user may snooze or stop it from there.
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kelvaro {

struct NotificationAction {
    std::string key;   // what the program is told when pressed ("snooze")
    std::string label; // what the button shows ("Snooze")
};

class Notifier {
  public:
    using ActionHandler = std::function<void(std::uint32_t id, const std::string& key)>;
    virtual ~Notifier() = default;
    // The id of the notification shown, 0 when none could be shown.
    virtual std::uint32_t show(const std::string& title, const std::string& body,
                               const std::vector<NotificationAction>& actions) = 0;
    virtual void close(std::uint32_t id) = 0;
    // Told of every button pressed; an empty handler stops telling.
    virtual void onAction(ActionHandler handler) = 0;
};

} // namespace kelvaro
