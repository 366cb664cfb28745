#include "platform/fake/fake_network.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace kelvaro {

void FakeTimeClient::later(std::int64_t delayMs, std::function<void()> event) {
    const unsigned generation = generation_;
    post_(delayMs, [this, generation, delayMs, event = std::move(event)] {
        if (generation != generation_) return; // aborted or replaced meanwhile
        elapsedMs_ = delayMs;
        event();
    });
}

void FakeTimeClient::connect(const std::string& host, int port, int timeoutMs, TimeClientEvents events) {
    ++generation_;
    ++connects_;
    elapsedMs_ = 0;
    lastHost_ = host + ":" + std::to_string(port);
    if (plans_.empty()) throw std::runtime_error("host not found");
    const Plan plan = plans_.front();
    plans_.pop_front();
    if (plan.kind == Plan::Refuse) throw std::runtime_error("connection refused");
    later(0, [events] { events.connected(); });
    if (plan.kind == Plan::Reply && plan.afterMs < timeoutMs) {
        const std::size_t first =
            plan.split == 0 || plan.split > plan.bytes.size() ? plan.bytes.size() : plan.split;
        std::vector<std::uint8_t> head(plan.bytes.begin(), plan.bytes.begin() + static_cast<long>(first));
        std::vector<std::uint8_t> tail(plan.bytes.begin() + static_cast<long>(first), plan.bytes.end());
        later(plan.afterMs, [this, events, head, tail] {
            const unsigned generation = generation_;
            events.data(head);
            if (!tail.empty() && generation == generation_) events.data(tail);
            if (generation == generation_) events.closed();
        });
        return;
    }
    later(timeoutMs, [this, events] {
        ++generation_; // the connection is dropped
        events.failed("no reply in time");
    });
}

bool FakeClockSetter::setUtc(double utc, bool) {
    ++sets;
    lastSet = utc;
    if (!accept) return false;
    clock_.set(utc + clock_.utcOffsetMinutes() / 1440.0);
    return true;
}

void FakeHostLookup::lookup(const std::string&, std::function<void(bool)> done) {
    ++lookups;
    const bool found = online;
    post_(0, [done = std::move(done), found] { done(found); });
}

void FakeHttpClient::get(const std::string& url, const std::string& file, std::uint64_t maxBytes,
                         std::function<void(const HttpResult&)> done) {
    ++requests;
    last = url;
    auto it = answers_.find(url);
    const Answer answer = it == answers_.end() ? Answer{} : it->second;
    post_(0, [answer, file, maxBytes, done = std::move(done)] {
        HttpResult r;
        if (!answer.connects) {
            r.error = "connection refused";
            return done(r);
        }
        std::error_code ec;
        std::filesystem::remove(file, ec); // made new, as the real client does
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        const std::uint64_t size = answer.body.size();
        r.tooLarge = size > maxBytes;
        r.bytes = r.tooLarge ? maxBytes : size;
        out.write(answer.body.data(), static_cast<std::streamsize>(r.bytes));
        r.transferred = !r.tooLarge && static_cast<bool>(out.flush());
        r.status = answer.status;
        if (r.tooLarge) r.error = "too large";
        if (!answer.error.empty()) r.error = answer.error;
        done(r);
    });
}

} // namespace kelvaro
