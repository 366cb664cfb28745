#include "platform/linux/linux_http_client.h"

#include <QFile>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace kelvaro {

LinuxHttpClient::LinuxHttpClient(int transferTimeoutMs) {
    manager_.setTransferTimeout(transferTimeoutMs);
    manager_.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

LinuxHttpClient::~LinuxHttpClient() {
    // Transfers still running end without an answer: the program is gone.
    for (QNetworkReply* reply : manager_.findChildren<QNetworkReply*>()) {
        reply->disconnect();
        reply->abort();
    }
}

void LinuxHttpClient::get(const std::string& url, const std::string& file, std::uint64_t maxBytes,
                          std::function<void(const HttpResult&)> done) {
    auto out = std::make_shared<QFile>();
    auto result = std::make_shared<HttpResult>();
    // Made new: a name left there (a link planted to a file elsewhere) is unlinked, not
    // written through, and one planted again before the open makes the open fail.
    ::unlink(file.c_str());
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0 || !out->open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        result->error = "cannot write " + file + ": " + std::strerror(errno);
        if (fd >= 0) ::close(fd);
        return done(*result);
    }
    QNetworkRequest request(QUrl(QString::fromStdString(url)));
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Mozilla/3.0 (compatible)"));
    if (!extraAuthorities_.isEmpty()) {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.addCaCertificates(extraAuthorities_);
        request.setSslConfiguration(tls);
    }
    QNetworkReply* reply = manager_.get(request);
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, out, result, maxBytes] {
        const QByteArray chunk = reply->readAll();
        if (result->tooLarge) return;
        if (result->bytes + static_cast<std::uint64_t>(chunk.size()) > maxBytes) {
            result->tooLarge = true; // stop here; what came is not kept
            reply->abort();
            return;
        }
        out->write(chunk);
        result->bytes += static_cast<std::uint64_t>(chunk.size());
    });
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, out, result, done] {
        result->status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        // An error status (404) is a complete answer; a dropped connection is not, nor a
        // success whose body failed on the way (compressed and not decodable, a bomb).
        const QNetworkReply::NetworkError error = reply->error();
        const bool complete = error == QNetworkReply::NoError ||
                              (result->status >= 400 && error >= QNetworkReply::ContentAccessDenied &&
                               error <= QNetworkReply::UnknownContentError);
        // On disk before anyone renames it into place.
        result->transferred = !result->tooLarge && complete && out->flush() && ::fsync(out->handle()) == 0;
        if (reply->error() != QNetworkReply::NoError) result->error = reply->errorString().toStdString();
        if (result->tooLarge) result->error = "larger than allowed";
        out->close();
        reply->deleteLater();
        done(*result);
    });
}

} // namespace kelvaro
