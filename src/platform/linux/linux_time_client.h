#pragma once
// The Time Protocol client on QTcpSocket, with its stopwatch and time-out.
#include "platform/time_client.h"

#include <QElapsedTimer>
#include <QObject>

#include <memory>

class QTcpSocket;
class QTimer;

namespace kelvaro {

class LinuxTimeClient : public TimeClient {
  public:
    LinuxTimeClient();
    ~LinuxTimeClient() override;
    void connect(const std::string& host, int port, int timeoutMs, TimeClientEvents events) override;
    void abort() override;
    double elapsedSeconds() const override;

  private:
    void drop();

    QObject context_; // owns the socket and timer of the running connection
    QTcpSocket* socket_ = nullptr;
    QTimer* timer_ = nullptr;
    QElapsedTimer stopwatch_;
    unsigned generation_ = 0;
};

} // namespace kelvaro
