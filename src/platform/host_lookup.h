#pragma once
// Asynchronous host-name look-up; the answer arrives later on the window thread.
#include <functional>
#include <string>

namespace kelvaro {

class HostLookup {
  public:
    virtual ~HostLookup() = default;
    virtual void lookup(const std::string& host, std::function<void(bool found)> done) = 0;
};

} // namespace kelvaro
