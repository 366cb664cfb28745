// kelvaro-wake-helper UTC_SECONDS | --probe
// Holds a CLOCK_REALTIME_ALARM timer that wakes the computer at UTC_SECONDS.
// Installed with the file capability cap_wake_alarm, so the clock itself needs
// no privilege. It ends when the timer expires or when its standard input closes
// (the clock disarmed, moved the wake-up or ended), so no wake-up is left behind.
#include <poll.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kelvaro-wake-helper UTC_SECONDS | --probe\n");
        return 2;
    }
    const int fd = timerfd_create(CLOCK_REALTIME_ALARM, TFD_CLOEXEC);
    if (fd < 0) {
        std::fprintf(stderr, "kelvaro-wake-helper: no alarm timer: %s\n", std::strerror(errno));
        return 1;
    }
    if (std::string(argv[1]) == "--probe") return 0;
    char* end = nullptr;
    const long long when = std::strtoll(argv[1], &end, 10);
    if (!end || *end != '\0' || when <= 0) {
        std::fprintf(stderr, "kelvaro-wake-helper: not a time: %s\n", argv[1]);
        return 2;
    }
    itimerspec expiry{};
    expiry.it_value.tv_sec = static_cast<time_t>(when);
    if (timerfd_settime(fd, TFD_TIMER_ABSTIME, &expiry, nullptr) != 0) {
        std::fprintf(stderr, "kelvaro-wake-helper: %s\n", std::strerror(errno));
        return 1;
    }
    pollfd watch[2] = {{fd, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    for (;;) {
        if (poll(watch, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return 1;
        }
        if (watch[0].revents & POLLIN) return 0; // woke up: the clock arms the next one
        if (watch[1].revents & (POLLIN | POLLHUP | POLLERR)) {
            char buffer[64];
            if (read(STDIN_FILENO, buffer, sizeof buffer) <= 0) return 0; // the clock let go
        }
    }
}
