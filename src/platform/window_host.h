#pragma once
// What the logic asks of the windowing system beyond the controls' state:
// pumping events inside long operations, ending the program, dragging a window.
#include <string>

namespace kelvaro {

class WindowHost {
  public:
    virtual ~WindowHost() = default;
    virtual void processEvents() {}
    virtual void quit() {}
    virtual void beginWindowDrag(const std::string& /*form*/) {}
    virtual void bringToFront(const std::string& /*form*/) {}
};

} // namespace kelvaro
