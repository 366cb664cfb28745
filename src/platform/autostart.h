#pragma once
// The per-user "start with the desktop session" entry.
#include <string>

namespace kelvaro {

class Autostart {
public:
    virtual ~Autostart() = default;
    virtual void writeEntry(const std::string& name, const std::string& program, const std::string& argument) = 0;
    virtual void removeEntry(const std::string& name) = 0;
    virtual bool hasEntry(const std::string& name) const = 0;
};

} // namespace kelvaro
