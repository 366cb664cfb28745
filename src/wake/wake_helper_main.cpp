// kelvaro-wake-helper UTC_SECONDS | --probe
// Holds a CLOCK_REALTIME_ALARM timer that wakes the computer at UTC_SECONDS.
// Installed with the file capability cap_wake_alarm, so the clock itself needs
// no privilege. It ends when the timer expires or when its standard input closes
// (the clock disarmed, moved the wake-up or ended), so no wake-up is left behind.
// It prints "armed" once the timer is set; a refusal exits 3 and says why.
//
// Anyone may run it, so it holds a timer only for the user of an active local session
// (asked of logind), one at a time per user, at most a week ahead. The capability is in
// force only to create and to set the timer.
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QStringList>

#include <linux/capability.h>
#include <poll.h>
#include <sys/auxv.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/timerfd.h>
#include <sys/un.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr long long kLongestAheadSeconds = 7 * 24 * 3600;
// A moved wake-up starts the new helper as the old one leaves.
constexpr int kWaitForTheLastMs = 2000;

// The capability is needed to create and to set the timer only: in between it stays
// permitted but not in force, and once the timer is set it is gone for good.
bool setCapabilities(bool wakeAlarm, bool keep) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[2]{};
    __user_cap_data_struct& word = caps[CAP_TO_INDEX(CAP_WAKE_ALARM)];
    if (keep) word.permitted = CAP_TO_MASK(CAP_WAKE_ALARM);
    if (wakeAlarm) word.effective = CAP_TO_MASK(CAP_WAKE_ALARM);
    return ::syscall(SYS_capset, &header, caps) == 0;
}

// The system bus; run with a capability (AT_SECURE), always the real one, whatever the
// environment says, so a bus of the caller's own cannot vouch for a session.
QString systemBusAddress() {
    const char* given = std::getenv("DBUS_SYSTEM_BUS_ADDRESS");
    if (::getauxval(AT_SECURE) == 0 && given && *given) return QString::fromLocal8Bit(given);
    return QStringLiteral("unix:path=/run/dbus/system_bus_socket");
}

QVariant sessionProperty(const QDBusConnection& bus, const QString& path, const char* name) {
    QDBusMessage get = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"), path,
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << QStringLiteral("org.freedesktop.login1.Session") << QString::fromLatin1(name);
    const QDBusMessage reply = bus.call(get, QDBus::Block, 1500);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return {};
    return reply.arguments().constFirst().value<QDBusVariant>().variant();
}

// Empty when `uid` has an active session on this computer (not over the network); else why not.
std::string withoutActiveLocalSession(uid_t uid) {
    QDBusConnection bus = QDBusConnection::connectToBus(systemBusAddress(), QStringLiteral("kelvaro-wake"));
    if (!bus.isConnected()) return "no system bus to ask logind";
    const QDBusMessage reply =
        bus.call(QDBusMessage::createMethodCall(
                     QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                     QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("ListSessions")),
                 QDBus::Block, 1500);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return "logind did not list the sessions";
    const QDBusArgument sessions = reply.arguments().constFirst().value<QDBusArgument>();
    QStringList own;
    sessions.beginArray();
    while (!sessions.atEnd()) {
        QString id, user, seat;
        uint owner = 0;
        QDBusObjectPath path;
        sessions.beginStructure();
        sessions >> id >> owner >> user >> seat >> path;
        sessions.endStructure();
        if (owner == uid) own << path.path();
    }
    sessions.endArray();
    for (const QString& path : own)
        if (sessionProperty(bus, path, "Active").toBool() && !sessionProperty(bus, path, "Remote").toBool())
            return {};
    return "user " + std::to_string(uid) + " has no active local session";
}

// Held while this helper lives: a name of this user's in the abstract socket space, which no
// file mode or removal can get round. -1 while another helper of the user holds it.
int holdUsersName(uid_t uid) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string name = "kelvaro-wake-helper/" + std::to_string(uid);
    std::memcpy(address.sun_path + 1, name.data(), name.size()); // sun_path[0] = 0: abstract
    const auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    for (int waited = 0;; waited += 50) {
        if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), size) == 0) return fd;
        if (errno != EADDRINUSE || waited >= kWaitForTheLastMs) break;
        ::usleep(50'000);
    }
    ::close(fd);
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kelvaro-wake-helper UTC_SECONDS | --probe\n");
        return 2;
    }
    const int fd = timerfd_create(CLOCK_REALTIME_ALARM, TFD_CLOEXEC);
    const int created = errno;
    if (fd < 0) {
        std::fprintf(stderr, "kelvaro-wake-helper: no alarm timer: %s\n", std::strerror(created));
        return 1;
    }
    // Nothing the caller controls is read while the capability is in force.
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 || !setCapabilities(false, true)) {
        std::fprintf(stderr, "kelvaro-wake-helper: cannot put its privilege aside: %s\n",
                     std::strerror(errno));
        return 1;
    }
    const uid_t user = ::getuid();
    if (const std::string why = withoutActiveLocalSession(user); !why.empty()) {
        std::fprintf(stderr, "kelvaro-wake-helper: refused: %s\n", why.c_str());
        return 3;
    }
    if (std::string(argv[1]) == "--probe") return 0;
    char* end = nullptr;
    const long long when = std::strtoll(argv[1], &end, 10);
    if (!end || *end != '\0' || when <= 0) {
        std::fprintf(stderr, "kelvaro-wake-helper: not a time: %s\n", argv[1]);
        return 2;
    }
    if (when > static_cast<long long>(::time(nullptr)) + kLongestAheadSeconds) {
        std::fprintf(stderr, "kelvaro-wake-helper: refused: more than a week ahead\n");
        return 3;
    }
    if (holdUsersName(user) < 0) {
        std::fprintf(stderr, "kelvaro-wake-helper: refused: a wake-up of user %u is already armed\n",
                     static_cast<unsigned>(user));
        return 3;
    }
    itimerspec expiry{};
    expiry.it_value.tv_sec = static_cast<time_t>(when);
    const bool raised = setCapabilities(true, true);
    const int set = timerfd_settime(fd, TFD_TIMER_ABSTIME, &expiry, nullptr) == 0 ? 0 : errno;
    if (!setCapabilities(false, false) || !raised || set != 0) {
        std::fprintf(stderr, "kelvaro-wake-helper: %s\n", std::strerror(set ? set : errno));
        return 1;
    }
    std::fputs("armed\n", stdout); // the clock waits for this line, or for the refusal
    std::fflush(stdout);
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
