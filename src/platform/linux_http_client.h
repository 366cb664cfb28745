#pragma once
// HTTP GET into a file with QNetworkAccessManager.
#include "platform/http_client.h"

#include <QNetworkAccessManager>

namespace kelvaro {

class LinuxHttpClient : public HttpClient {
  public:
    explicit LinuxHttpClient(int transferTimeoutMs = 30'000);
    void get(const std::string& url, const std::string& file, std::uint64_t maxBytes,
             std::function<void(const HttpResult&)> done) override;

  private:
    QNetworkAccessManager manager_;
};

} // namespace kelvaro
