#pragma once
// Starting programs and opening documents or addresses.
#include <string>
#include <vector>

namespace kelvaro {

class Shell {
  public:
    virtual ~Shell() = default;
    // Opens a file, folder or URL with the desktop's handler. False when nothing could open it.
    virtual bool open(const std::string& target) = 0;
    // Starts a program detached, without a shell. False when it could not be started.
    virtual bool startProgram(const std::string& program, const std::vector<std::string>& arguments) = 0;
    virtual bool isExecutable(const std::string& path) const = 0;
};

} // namespace kelvaro
