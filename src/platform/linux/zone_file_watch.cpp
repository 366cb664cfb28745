#include "platform/linux/zone_file_watch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kelvaro {
namespace {

constexpr std::int64_t kRecheckMs = 100;

bool namesZoneFile(const inotify_event& event) {
    if (event.len == 0) return false;
    return std::strcmp(event.name, "localtime") == 0 || std::strcmp(event.name, "timezone") == 0;
}

} // namespace

ZoneFileWatch::ZoneFileWatch(const std::string& folder) {
    fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0) return;
    const std::uint32_t mask = IN_CREATE | IN_DELETE | IN_MOVED_TO | IN_MOVED_FROM | IN_CLOSE_WRITE |
                               IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;
    if (inotify_add_watch(fd_, folder.c_str(), mask) < 0) giveUp();
}

ZoneFileWatch::~ZoneFileWatch() {
    giveUp();
}

void ZoneFileWatch::giveUp() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
}

bool ZoneFileWatch::changed(std::int64_t nowMs) {
    const bool first = checkedMs_ < 0;
    if (!first && nowMs - checkedMs_ < kRecheckMs && nowMs >= checkedMs_) return false;
    checkedMs_ = nowMs;
    if (fd_ < 0) return true; // no watch: every window counts as a change
    const bool seen = drain();
    return first || seen;
}

bool ZoneFileWatch::drain() {
    alignas(inotify_event) char buffer[4096];
    bool seen = false;
    for (;;) {
        const ssize_t got = read(fd_, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && errno == EAGAIN) return seen;
        if (got <= 0) {
            giveUp();
            return true;
        }
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            // Lost events, or the folder itself gone or moved: nothing more will be reported.
            if (event->mask & (IN_Q_OVERFLOW | IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT)) {
                giveUp();
                return true;
            }
            seen = seen || namesZoneFile(*event);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

} // namespace kelvaro
