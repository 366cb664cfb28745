// The HTTP adapter against a web server on loopback that the test starts: what
// counts as a complete answer, and the size limit.
#include "loopback_servers.h"
#include "platform/linux/linux_http_client.h"
#include "qt_test_support.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

const QString kWebServer = QStringLiteral(R"(
import gzip, http.server, socketserver
bomb = gzip.compress(b"\0" * (64 << 20))
class H(http.server.BaseHTTPRequestHandler):
    def log_message(self, *a): pass
    def send(self, status, body, length=None, gz=False):
        self.send_response(status)
        if gz: self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body) if length is None else length))
        self.end_headers(); self.wfile.write(body); self.wfile.flush()
    def do_GET(self):
        if self.path == "/b1.htm": self.send(200, b"NEWPAGE")
        elif self.path == "/notgz.htm": self.send(200, b"this is not gzip at all", gz=True)
        elif self.path == "/bomb.htm": self.send(200, bomb, gz=True)
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

    // Marked compressed and not, or a small body that unpacks to 64 MB: no complete answer.
    for (const char* path : {"/notgz.htm", "/bomb.htm"}) {
        HttpResult broken = f.get(path, 1 << 20);
        EXPECT_FALSE(broken.transferred) << path << " " << broken.error;
        EXPECT_LE(broken.bytes, 1u << 20) << path;
    }
}

TEST(LinuxHttpClient, TheFileIsMadeNewNeverWrittenThroughALinkLeftAtItsName) {
    if (!havePython()) GTEST_SKIP() << "needs /usr/bin/python3 for the loopback web server";
    testApp();
    Fixture f;
    ASSERT_TRUE(f.server.running());
    const QString victim = f.dir.filePath(QStringLiteral("Kelvaro.ini"));
    {
        QFile v(victim);
        ASSERT_TRUE(v.open(QIODevice::WriteOnly));
        v.write("[Data]\r\n");
    }
    ASSERT_TRUE(QFile::link(victim, QString::fromStdString(f.file())));

    HttpResult ok = f.get("/b1.htm");
    EXPECT_TRUE(ok.transferred);
    EXPECT_EQ(f.written(), QByteArray("NEWPAGE"));
    EXPECT_FALSE(QFileInfo(QString::fromStdString(f.file())).isSymLink());
    QFile v(victim);
    ASSERT_TRUE(v.open(QIODevice::ReadOnly));
    EXPECT_EQ(v.readAll(), QByteArray("[Data]\r\n"));
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
