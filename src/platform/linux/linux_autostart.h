#pragma once
// Start with the desktop session: one desktop entry per name in
// $XDG_CONFIG_HOME/autostart (~/.config/autostart when unset).
#include "platform/autostart.h"

#include <string>

namespace kelvaro {

class XdgAutostart : public Autostart {
  public:
    // An empty folder means the autostart folder of the environment at each call.
    explicit XdgAutostart(std::string autostartFolder = {});

    void writeEntry(const std::string& name, const std::string& program,
                    const std::vector<std::string>& arguments) override;
    void removeEntry(const std::string& name) override;
    bool hasEntry(const std::string& name) const override;

    std::string entryPath(const std::string& name) const;

  private:
    std::string folder() const;
    std::string folder_;
};

// "$XDG_CONFIG_HOME/autostart", or "$HOME/.config/autostart".
std::string xdgAutostartFolder();
// "Alarm Clock" -> "kelvaro.desktop"; other names lower-cased, anything but
// letters, digits, '-' and '_' turned into '-'.
std::string desktopFileName(const std::string& entryName);
// One argument of an Exec line, quoted where the desktop entry rules need it,
// and escaped for the key file's string value.
std::string desktopExecArgument(const std::string& argument);
// The whole desktop entry text.
std::string autostartEntryText(const std::string& program, const std::vector<std::string>& arguments);

} // namespace kelvaro
