#pragma once
// Autostart entries kept in memory.
#include "platform/autostart.h"

#include <map>
#include <string>

namespace kelvaro {

class FakeAutostart : public Autostart {
  public:
    void writeEntry(const std::string& name, const std::string& program,
                    const std::vector<std::string>& arguments) override {
        std::string line = program;
        for (const std::string& argument : arguments)
            line += " " + argument;
        entries_[name] = line;
    }
    void removeEntry(const std::string& name) override { entries_.erase(name); }
    bool hasEntry(const std::string& name) const override { return entries_.count(name) > 0; }

    // "program argument...", blank-separated, or empty when there is no such entry.
    std::string entry(const std::string& name) const {
        auto it = entries_.find(name);
        return it == entries_.end() ? std::string() : it->second;
    }
    const std::map<std::string, std::string>& entries() const { return entries_; }

  private:
    std::map<std::string, std::string> entries_;
};

} // namespace kelvaro
