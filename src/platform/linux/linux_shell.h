#pragma once
// Opening documents and addresses with the desktop's handler (xdg-open), and
// starting programs directly, without a shell.
#include "platform/shell.h"

namespace kelvaro {

class LinuxShell : public Shell {
  public:
    bool open(const std::string& target) override;
    bool startProgram(const std::string& program, const std::vector<std::string>& arguments) override;
    bool isExecutable(const std::string& path) const override;
};

} // namespace kelvaro
