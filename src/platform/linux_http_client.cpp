#include "platform/linux_http_client.h"

#include <QFile>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>

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
    auto out = std::make_shared<QFile>(QString::fromStdString(file));
    auto result = std::make_shared<HttpResult>();
    if (!out->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        result->error = "cannot write " + file;
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
        // An error status (404) is a complete answer; a dropped connection is not.
        const bool complete = reply->error() == QNetworkReply::NoError ||
                              (result->status != 0 && reply->error() >= QNetworkReply::ContentAccessDenied);
        result->transferred = !result->tooLarge && complete && out->flush();
        if (reply->error() != QNetworkReply::NoError) result->error = reply->errorString().toStdString();
        if (result->tooLarge) result->error = "larger than allowed";
        out->close();
        reply->deleteLater();
        done(*result);
    });
}

} // namespace kelvaro
