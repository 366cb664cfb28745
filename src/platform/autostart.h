#pragma once
// The per-user "start with the desktop session" entry.
#include <string>
#include <vector>

namespace kelvaro {

class Autostart {
  public:
    virtual ~Autostart() = default;
    // The entry starts `program` with `arguments`, each passed as one word.
    virtual void writeEntry(const std::string& name, const std::string& program,
                            const std::vector<std::string>& arguments) = 0;
    virtual void removeEntry(const std::string& name) = 0;
    virtual bool hasEntry(const std::string& name) const = 0;
};

} // namespace kelvaro
