#pragma once
// Tells whether the files naming the system's zone (localtime, timezone) may have changed.
#include <cstdint>
#include <string>

namespace kelvaro {

// The kernel reports changes in the folder (inotify), so a quiet second costs no stat and no
// file read: the folder is watched, not the files, because `timedatectl` replaces the link by
// rename. Where no watch can be had, or the kernel lost events, every 100 ms counts as a change.
// Checks closer than 100 ms apart answer from memory without a system call.
class ZoneFileWatch {
  public:
    explicit ZoneFileWatch(const std::string& folder = "/etc");
    ~ZoneFileWatch();
    ZoneFileWatch(const ZoneFileWatch&) = delete;
    ZoneFileWatch& operator=(const ZoneFileWatch&) = delete;

    // True at the first check, and when the files may have changed since the last check that
    // said so. `nowMs` is a steady clock in milliseconds.
    bool changed(std::int64_t nowMs);
    bool watching() const { return fd_ >= 0; }

  private:
    bool drain(); // reads the pending events; true when one concerns the zone files
    void giveUp();
    int fd_ = -1;
    std::int64_t checkedMs_ = -1; // the last check that looked (read the fd, or said changed)
};

} // namespace kelvaro
