#pragma once
// The model's names of keys: Enter, Escape, Backspace, Tab, Insert, Delete, Up,
// Down, Left, Right, Space, or the one printable ASCII character typed.
#include <QKeyEvent>

#include <optional>
#include <string>

namespace kelvaro {

std::optional<std::string> modelKeyName(const QKeyEvent& event);

// Keys the model types into an edit box itself (see Application::userKey).
inline bool typesCharacter(const std::string& key) {
    return key.size() == 1 || key == "Space" || key == "Backspace";
}

} // namespace kelvaro
