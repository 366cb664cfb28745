#pragma once
// Root reads and writes any file whatever its mode, so a test of "a file the user
// cannot read" means nothing when the suite runs as root (as it does in CI).
// While this object lives, root obeys file modes like any user: the overriding
// capabilities leave the effective set (they stay permitted and come back after).
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

class FileModesAsUser {
  public:
    FileModesAsUser() {
        if (::geteuid() != 0 || !get(saved_)) return;
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        lowered[0].effective &= ~(bit(CAP_DAC_OVERRIDE) | bit(CAP_DAC_READ_SEARCH) | bit(CAP_FOWNER));
        active_ = set(lowered);
    }
    ~FileModesAsUser() {
        if (active_) set(saved_);
    }
    FileModesAsUser(const FileModesAsUser&) = delete;
    FileModesAsUser& operator=(const FileModesAsUser&) = delete;

  private:
    static unsigned bit(int cap) { return 1u << cap; }
    static bool get(__user_cap_data_struct* data) {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        return ::syscall(SYS_capget, &header, data) == 0;
    }
    static bool set(__user_cap_data_struct* data) {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        return ::syscall(SYS_capset, &header, data) == 0;
    }

    __user_cap_data_struct saved_[2]{};
    bool active_ = false;
};
