// The Time Protocol client against a server on loopback that the test starts:
// a reply in two pieces, a silent server, and a refused port.
#include "loopback_servers.h"
#include "platform/linux/linux_time_client.h"
#include "qt_test_support.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

// Sends E8 22 then, after 50 ms, 5E 40, and closes; or (with "silent") never answers.
const QString kTimeServer = QStringLiteral(R"(
import socket, sys, time
s = socket.socket(); s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
s.bind(("127.0.0.1", 0)); s.listen(4)
print(s.getsockname()[1], flush=True)
while True:
    c, _ = s.accept()
    if len(sys.argv) > 1: time.sleep(30); continue
    c.sendall(b"\xe8\x22"); time.sleep(0.05); c.sendall(b"\x5e\x40"); c.close()
)");

struct Seen {
    bool connected = false, closed = false;
    std::string failed;
    std::vector<std::uint8_t> bytes;
    int dataEvents = 0;
};

TimeClientEvents record(Seen& seen) {
    TimeClientEvents e;
    e.connected = [&seen] { seen.connected = true; };
    e.data = [&seen](const std::vector<std::uint8_t>& b) {
        seen.bytes.insert(seen.bytes.end(), b.begin(), b.end());
        ++seen.dataEvents;
    };
    e.closed = [&seen] { seen.closed = true; };
    e.failed = [&seen](const std::string& why) { seen.failed = why.empty() ? "?" : why; };
    return e;
}

} // namespace

TEST(LinuxTimeClient, ReadsAReplyInPiecesUntilTheServerCloses) {
    if (!havePython()) GTEST_SKIP() << "needs /usr/bin/python3 for the loopback time server";
    testApp();
    PythonServer server(kTimeServer);
    ASSERT_TRUE(server.running());
    LinuxTimeClient client;
    Seen seen;
    client.connect("127.0.0.1", std::stoi(server.firstLine()), 5000, record(seen));
    ASSERT_TRUE(processEventsUntil([&] { return seen.closed || !seen.failed.empty(); }, 5000));
    EXPECT_TRUE(seen.connected);
    EXPECT_EQ(seen.failed, "");
    EXPECT_EQ(seen.bytes, (std::vector<std::uint8_t>{0xE8, 0x22, 0x5E, 0x40}));
    EXPECT_GT(client.elapsedSeconds(), 0.04); // the stopwatch ran across the pause
}

TEST(LinuxTimeClient, ASilentServerTimesOutAndAnAbortEndsEveryEvent) {
    if (!havePython()) GTEST_SKIP() << "needs /usr/bin/python3 for the loopback time server";
    testApp();
    PythonServer server(kTimeServer, {QStringLiteral("silent")});
    ASSERT_TRUE(server.running());
    const int port = std::stoi(server.firstLine());
    LinuxTimeClient client;
    Seen seen;
    client.connect("127.0.0.1", port, 300, record(seen));
    ASSERT_TRUE(processEventsUntil([&] { return !seen.failed.empty(); }, 3000));
    EXPECT_TRUE(seen.connected);
    EXPECT_FALSE(seen.closed);

    Seen aborted;
    client.connect("127.0.0.1", port, 300, record(aborted));
    client.abort();
    processEventsUntil([] { return false; }, 600);
    EXPECT_EQ(aborted.failed, "");
    EXPECT_FALSE(aborted.closed);
}

TEST(LinuxTimeClient, ARefusedPortFails) {
    testApp();
    LinuxTimeClient client;
    Seen seen;
    client.connect("127.0.0.1", 1, 3000, record(seen)); // nothing listens on port 1 here
    ASSERT_TRUE(processEventsUntil([&] { return !seen.failed.empty(); }, 3000));
    EXPECT_FALSE(seen.closed);
    EXPECT_THROW(client.connect("", 37, 1000, record(seen)), std::runtime_error);
}
