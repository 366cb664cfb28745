#include "platform/fake/fake_shell.h"

namespace kelvaro {

bool FakeShell::open(const std::string& target) {
    requests_.push_back(target);
    return !openFails_;
}

bool FakeShell::startProgram(const std::string& program, const std::vector<std::string>& arguments) {
    std::string text = program;
    for (const auto& argument : arguments)
        text += " " + argument;
    requests_.push_back(text);
    return missing_.count(program) == 0;
}

} // namespace kelvaro
