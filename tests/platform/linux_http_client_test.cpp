// The HTTP adapter against a web server on loopback that the test starts: what
// counts as a complete answer, and the size limit.
#include "loopback_servers.h"
#include "platform/linux_http_client.h"
#include "qt_test_support.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

const QString kWebServer = QStringLiteral(R"(
import http.server, socketserver
class H(http.server.BaseHTTPRequestHandler):
    def log_message(self, *a): pass
    def send(self, status, body, length=None):
        self.send_response(status)
        self.send_header("Content-Length", str(len(body) if length is None else length))
        self.end_headers(); self.wfile.write(body); self.wfile.flush()
    def do_GET(self):
        if self.path == "/b1.htm": self.send(200, b"NEWPAGE")
        elif self.path == "/cut.htm": self.send(200, b"0123456789", 100); self.close_connection = True
        elif self.path == "/big.htm": self.send(200, b"x" * 200000)
        else: self.send(404, b"Not Found")
s = socketserver.TCPServer(("127.0.0.1", 0), H)
print(s.server_address[1], flush=True)
s.serve_forever()
)");

struct Fixture {
    Fixture() : server(kWebServer) {}
    HttpResult get(const std::string& path, std::uint64_t limit = 4096) {
        bool done = false;
        HttpResult result;
        client.get("http://127.0.0.1:" + server.firstLine() + path, file(), limit, [&](const HttpResult& r) {
            result = r;
            done = true;
        });
        processEventsUntil([&] { return done; }, 5000);
        return result;
    }
    std::string file() const { return dir.filePath(QStringLiteral("download")).toStdString(); }
    QByteArray written() const {
        QFile f(QString::fromStdString(file()));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    PythonServer server;
    QTemporaryDir dir;
    LinuxHttpClient client{3000};
};

} // namespace

TEST(LinuxHttpClient, AnswersArriveWithStatusAndBodyOnlyWhenComplete) {
    if (!havePython()) GTEST_SKIP() << "needs /usr/bin/python3 for the loopback web server";
    testApp();
    Fixture f;
    ASSERT_TRUE(f.server.running());

    HttpResult ok = f.get("/b1.htm");
    EXPECT_TRUE(ok.transferred);
    EXPECT_EQ(ok.status, 200);
    EXPECT_EQ(ok.bytes, 7u);
    EXPECT_EQ(f.written(), QByteArray("NEWPAGE"));

    HttpResult missing = f.get("/nothing.htm");
    EXPECT_TRUE(missing.transferred);
    EXPECT_EQ(missing.status, 404);

    HttpResult cut = f.get("/cut.htm");
    EXPECT_FALSE(cut.transferred);

    HttpResult big = f.get("/big.htm", 1000);
    EXPECT_FALSE(big.transferred);
    EXPECT_TRUE(big.tooLarge);
    EXPECT_LE(big.bytes, 1000u);
}

TEST(LinuxHttpClient, ARefusedConnectionIsNoAnswer) {
    testApp();
    QTemporaryDir dir;
    LinuxHttpClient client(3000);
    bool done = false;
    HttpResult result;
    client.get("http://127.0.0.1:1/b1.htm", dir.filePath(QStringLiteral("f")).toStdString(), 100,
               [&](const HttpResult& r) {
                   result = r;
                   done = true;
               });
    ASSERT_TRUE(processEventsUntil([&] { return done; }, 5000));
    EXPECT_FALSE(result.transferred);
    EXPECT_EQ(result.status, 0);
    EXPECT_FALSE(result.error.empty());
}
