#pragma once
// Records what would have been opened or started. Every request is recorded,
// including those that fail, so a test sees what was tried.
#include "platform/shell.h"

#include <set>
#include <string>
#include <vector>

namespace kelvaro {

class FakeShell : public Shell {
  public:
    bool open(const std::string& target) override;
    bool startProgram(const std::string& program, const std::vector<std::string>& arguments) override;
    bool isExecutable(const std::string& path) const override { return executables_.count(path) > 0; }

    // "program" or "program arg1 arg2"; a bare target for open(). Empty before the first request.
    std::string last() const { return requests_.empty() ? std::string() : requests_.back(); }
    const std::vector<std::string>& requests() const { return requests_; }
    void clear() { requests_.clear(); }

    void addExecutable(const std::string& path) { executables_.insert(path); }
    void removeExecutable(const std::string& path) { executables_.erase(path); }
    // startProgram() of this program fails.
    void markMissing(const std::string& program) { missing_.insert(program); }
    // open() answers false, as when no handler is registered.
    void setOpenFails(bool fails) { openFails_ = fails; }

  private:
    std::vector<std::string> requests_;
    std::set<std::string> executables_;
    std::set<std::string> missing_;
    bool openFails_ = false;
};

} // namespace kelvaro
