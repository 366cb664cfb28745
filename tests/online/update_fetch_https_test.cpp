// The update fetch end to end: the program's logic with the real HTTP client
// against an https server on loopback that the test starts, serving a malicious
// description. Nothing outside the allow-list changes; no good file is replaced
// by a bad download.
#include "app/program.h"
#include "platform/fake/fake_platform.h"
#include "platform/linux/linux_http_client.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSslCertificate>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <unistd.h>

namespace kelvaro {
namespace {

QCoreApplication& qtApp() {
    static int argc = 1;
    static char name[] = "update_fetch_https_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = new QCoreApplication(argc, argv);
    return *app;
}

// Serves /kv/KVCWeb5.ini (naming its own port) and /files/*; prints its port.
const QString kServer = QStringLiteral(R"(
import http.server, ssl, sys
cert, key = sys.argv[1], sys.argv[2]
files = {"b1.htm": (200, b"NEWPAGE", None), "b3.htm": (200, b"0123456789", 100), "b4.htm": (404, b"Not Found", None),
         "b2.htm": (200, b"x" * 5000, None), "Kelvaro.ini": (200, b"[Data]\r\nHour=01\r\n", None),
         "Cities.txt": (200, b"EVIL", None), "kelvaro": (200, b"#!/bin/sh\necho evil\n", None)}
class H(http.server.BaseHTTPRequestHandler):
    def log_message(self, *a): pass
    def send(self, status, body, length=None):
        self.send_response(status)
        self.send_header("Content-Length", str(len(body) if length is None else length))
        self.end_headers(); self.wfile.write(body); self.wfile.flush()
        if length is not None: self.close_connection = True
    def do_GET(self):
        base = "https://localhost:%d/files/" % self.server.server_address[1]
        if self.path == "/kv/KVCWeb5.ini":
            names = ["../evil.htm", "/tmp/evil.htm", "Kelvaro.ini", "Cities.txt", "kelvaro", "b2.htm", "b3.htm",
                     "b4.htm", "b1.htm"]
            sizes = {"b2.htm": "1000000000", "b3.htm": "100", "b1.htm": "7"}
            lines = ["[Sub]", "Count=%d" % len(names), "PathPri=" + base]
            for i, n in enumerate(names, 1):
                lines += ["NameP%d=%s" % (i, n), "UpdateP%d=99999" % i, "SizeP%d=%s" % (i, sizes.get(n, "0"))]
            lines += ["[Delete]", "Count=3", "PathP1=../outside.txt", "PathP2=Cities.txt", "PathP3=b5.htm"]
            return self.send(200, "\r\n".join(lines).encode() + b"\r\n")
        name = self.path[len("/files/"):] if self.path.startswith("/files/") else ""
        self.send(*files[name]) if name in files else self.send(404, b"Not Found")
s = http.server.HTTPServer(("127.0.0.1", 0), H)
ctx = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER); ctx.load_cert_chain(cert, key)
s.socket = ctx.wrap_socket(s.socket, server_side=True)
print(s.server_address[1], flush=True)
s.serve_forever()
)");

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

TEST(UpdateFetchOverHttps, AMaliciousDescriptionChangesNothingOutsideTheAllowList) {
    if (access("/usr/bin/python3", X_OK) != 0 || access("/usr/bin/openssl", X_OK) != 0)
        GTEST_SKIP() << "needs /usr/bin/python3 and /usr/bin/openssl for the loopback https server";
    qtApp();
    QTemporaryDir dir;
    const QString cert = dir.filePath(QStringLiteral("cert.pem")),
                  key = dir.filePath(QStringLiteral("key.pem"));
    QProcess openssl;
    openssl.start(QStringLiteral("/usr/bin/openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                   QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-keyout"), key,
                   QStringLiteral("-out"), cert, QStringLiteral("-days"), QStringLiteral("1"),
                   QStringLiteral("-subj"), QStringLiteral("/CN=localhost"), QStringLiteral("-addext"),
                   QStringLiteral("subjectAltName=DNS:localhost")});
    ASSERT_TRUE(openssl.waitForFinished(30000) && openssl.exitCode() == 0);

    QProcess server;
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), kServer, cert, key});
    ASSERT_TRUE(server.waitForReadyRead(10000));
    const QString port = QString::fromUtf8(server.readLine()).trimmed();

    QDir(dir.path()).mkdir(QStringLiteral("prog"));
    const QString prog = dir.filePath(QStringLiteral("prog")) + QLatin1Char('/');
    for (const char* name : {"b1.htm", "b3.htm", "b4.htm", "b5.htm"})
        writeFile(prog + QLatin1String(name), QByteArray("OLD ") + name);
    writeFile(prog + QStringLiteral("Cities.txt"), "CITIES");
    writeFile(dir.filePath(QStringLiteral("outside.txt")), "OUTSIDE");

    FakePlatform fakes;
    LinuxHttpClient http(5000);
    http.trustAlso(QSslCertificate::fromPath(cert));
    Platform platform = fakes.platform(dir.filePath(QStringLiteral("handover.ini")).toStdString());
    platform.http = &http;
    auto app = createProgram(platform, LocaleInfo::enUS(), prog.toStdString(), {});
    firstPaint(*app);
    app->ctl("EditFTPIP1").text = "https://localhost:" + port.toStdString() + "/kv/"; // a setting by name
    app->run("CheckForUpdates");
    QDeadlineTimer deadline(20000);
    while (app->state("UpdateFetching") == "true" && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    server.kill();
    server.waitForFinished(2000);
    ASSERT_EQ(app->state("UpdateFetching"), "false");
    const std::string log = app->ctl("Memo1").text;

    EXPECT_EQ(readFile(prog + QStringLiteral("b1.htm")), "NEWPAGE") << log;
    EXPECT_EQ(readFile(prog + QStringLiteral("b3.htm")), "OLD b3.htm"); // truncated: the good file stays
    EXPECT_EQ(readFile(prog + QStringLiteral("b4.htm")), "OLD b4.htm"); // 404
    EXPECT_EQ(readFile(prog + QStringLiteral("b2.htm")), "(missing)");  // 1 GB described: never asked
    EXPECT_EQ(readFile(prog + QStringLiteral("b5.htm")), "(missing)");  // an allowed delete
    EXPECT_EQ(readFile(prog + QStringLiteral("Cities.txt")), "CITIES");
    EXPECT_EQ(readFile(prog + QStringLiteral("kelvaro")), "(missing)");
    EXPECT_FALSE(readFile(prog + QStringLiteral("Kelvaro.ini")).contains("Hour=01"));
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("outside.txt"))), "OUTSIDE");
    EXPECT_FALSE(QFile::exists(QStringLiteral("/tmp/evil.htm")));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("evil.htm"))));
    // No temporary download is left behind.
    EXPECT_TRUE(QDir(prog).entryList({QStringLiteral(".*.download")}, QDir::Hidden | QDir::Files).isEmpty());
}

} // namespace
} // namespace kelvaro
