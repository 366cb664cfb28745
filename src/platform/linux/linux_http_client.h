#pragma once
// HTTP GET into a file with QNetworkAccessManager.
#include "platform/http_client.h"

#include <QList>
#include <QNetworkAccessManager>
#include <QSslCertificate>

namespace kelvaro {

class LinuxHttpClient : public HttpClient {
  public:
    explicit LinuxHttpClient(int transferTimeoutMs = 30'000);
    ~LinuxHttpClient() override;
    void get(const std::string& url, const std::string& file, std::uint64_t maxBytes,
             std::function<void(const HttpResult&)> done) override;
    // Trusts these besides the system's authorities (a test's own server).
    void trustAlso(const QList<QSslCertificate>& authorities) { extraAuthorities_ = authorities; }

  private:
    QNetworkAccessManager manager_;
    QList<QSslCertificate> extraAuthorities_;
};

} // namespace kelvaro
