#pragma once
// HTTP GET of one document into a file; the answer arrives later on the window thread.
#include <cstdint>
#include <functional>
#include <string>

namespace kelvaro {

struct HttpResult {
    bool transferred = false; // a complete answer came (any status)
    int status = 0;           // HTTP status, 0 when none
    std::uint64_t bytes = 0;  // body bytes written to the file
    bool tooLarge = false;    // the body passed the limit and was cut off
    std::string error;        // why nothing (or not all) came
};

class HttpClient {
  public:
    virtual ~HttpClient() = default;
    // Writes the body to `file`, made new (unlinked first, never written through; synced), stopping
    // with tooLarge past maxBytes. A body failed on the way is incomplete. Redirects are not followed.
    virtual void get(const std::string& url, const std::string& file, std::uint64_t maxBytes,
                     std::function<void(const HttpResult&)> done) = 0;
};

} // namespace kelvaro
