#pragma once
// Fake time server, clock setting, name look-up and web server. Their answers are
// platform events: each fake hands them to `post` (delay in ms of fake time), and
// whoever drives the fake time runs them.
#include "platform/clock_setter.h"
#include "platform/fake/fake_clock.h"
#include "platform/host_lookup.h"
#include "platform/http_client.h"
#include "platform/time_client.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

using PostEvent = std::function<void(std::int64_t delayMs, std::function<void()> event)>;

class FakeTimeClient : public TimeClient {
  public:
    struct Plan {
        enum Kind { Reply, Silent, Refuse } kind = Reply;
        std::vector<std::uint8_t> bytes;
        std::size_t split = 0; // bytes of the first data event; 0: all in one
        int afterMs = 100;     // stopwatch time from connect to the reply
    };

    explicit FakeTimeClient(PostEvent post) : post_(std::move(post)) {}

    void plan(Plan next) {
        plans_.push_back(std::move(next));
    } // for the next connect; default: host not found
    void connect(const std::string& host, int port, int timeoutMs, TimeClientEvents events) override;
    void abort() override { ++generation_; }
    double elapsedSeconds() const override { return elapsedMs_ / 1000.0; }

    int connects() const { return connects_; }
    const std::string& lastHost() const { return lastHost_; }

  private:
    void later(std::int64_t delayMs, std::function<void()> event);

    PostEvent post_;
    std::deque<Plan> plans_;
    int connects_ = 0;
    std::string lastHost_;
    unsigned generation_ = 0;
    std::int64_t elapsedMs_ = 0;
};

class FakeClockSetter : public ClockSetter {
  public:
    explicit FakeClockSetter(FakeClock& clock) : clock_(clock) {}
    bool setUtc(double utc, bool mayAsk) override;
    bool ntpSynchronized() override { return ntp; }
    std::string refusal() const override { return accept ? std::string() : refusalText; }

    bool accept = true;
    std::string refusalText = "Interactive authentication required.";
    bool ntp = false;
    int sets = 0;
    std::optional<double> lastSet; // UTC

  private:
    FakeClock& clock_;
};

class FakeHostLookup : public HostLookup {
  public:
    explicit FakeHostLookup(PostEvent post) : post_(std::move(post)) {}
    void lookup(const std::string& host, std::function<void(bool)> done) override;
    bool online = false;
    int lookups = 0;

  private:
    PostEvent post_;
};

class FakeHttpClient : public HttpClient {
  public:
    struct Answer {
        bool connects = false;
        int status = 0;
        std::string body;
        std::string error; // set: the body failed on the way, reported with the status
    };
    explicit FakeHttpClient(PostEvent post) : post_(std::move(post)) {}
    void answer(const std::string& url, Answer a) { answers_[url] = std::move(a); }
    void get(const std::string& url, const std::string& file, std::uint64_t maxBytes,
             std::function<void(const HttpResult&)> done) override;
    int requests = 0;
    std::string last;

  private:
    PostEvent post_;
    std::map<std::string, Answer> answers_;
};

} // namespace kelvaro
