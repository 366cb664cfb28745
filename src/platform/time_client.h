#pragma once
// A Time Protocol client: one TCP connection at a time to a time server, whose
// reply arrives as events on the window thread.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kelvaro {

struct TimeClientEvents {
    std::function<void()> connected;
    std::function<void(const std::vector<std::uint8_t>&)> data; // one read; a reply may come in pieces
    std::function<void()> closed;                               // the server closed the connection
    std::function<void(const std::string& why)> failed;         // no connection, or none in time
};

class TimeClient {
  public:
    virtual ~TimeClient() = default;
    // Starts connecting; returns at once. A host that cannot be reached may throw
    // std::runtime_error here or report `failed` later. With no reply and no close
    // within timeoutMs of the start, `failed` comes and the connection is dropped.
    virtual void connect(const std::string& host, int port, int timeoutMs, TimeClientEvents events) = 0;
    // Drops an unfinished connection; none of its events come after this.
    virtual void abort() = 0;
    // Seconds from the start of the last connect to now (the stopwatch).
    virtual double elapsedSeconds() const = 0;
};

} // namespace kelvaro
