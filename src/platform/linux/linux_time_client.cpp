#include "platform/linux/linux_time_client.h"

#include <QTcpSocket>
#include <QTimer>

#include <stdexcept>

namespace kelvaro {

LinuxTimeClient::LinuxTimeClient() = default;

LinuxTimeClient::~LinuxTimeClient() {
    drop();
}

void LinuxTimeClient::drop() {
    ++generation_;
    if (timer_) {
        timer_->stop();
        timer_->deleteLater();
        timer_ = nullptr;
    }
    if (socket_) {
        socket_->disconnect();
        socket_->abort();
        socket_->deleteLater();
        socket_ = nullptr;
    }
}

void LinuxTimeClient::abort() {
    drop();
}

double LinuxTimeClient::elapsedSeconds() const {
    return stopwatch_.isValid() ? static_cast<double>(stopwatch_.nsecsElapsed()) / 1e9 : 0.0;
}

void LinuxTimeClient::connect(const std::string& host, int port, int timeoutMs, TimeClientEvents events) {
    drop();
    if (host.empty()) throw std::runtime_error("no time server given");
    const unsigned generation = generation_;
    socket_ = new QTcpSocket(&context_);
    timer_ = new QTimer(&context_);
    timer_->setSingleShot(true);
    QTcpSocket* socket = socket_;
    auto alive = [this, generation] { return generation == generation_; };
    auto fail = [this, alive, events](const std::string& why) {
        if (!alive()) return;
        drop(); // no event of this connection follows a failure
        events.failed(why);
    };
    QObject::connect(timer_, &QTimer::timeout, &context_, [fail] { fail("no reply in time"); });
    QObject::connect(socket, &QTcpSocket::connected, &context_, [alive, events] {
        if (alive()) events.connected();
    });
    QObject::connect(socket, &QTcpSocket::readyRead, &context_, [socket, alive, events] {
        const QByteArray bytes = socket->readAll();
        if (alive() && !bytes.isEmpty()) events.data(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    });
    QObject::connect(socket, &QTcpSocket::disconnected, &context_, [this, socket, alive, events] {
        const QByteArray rest = socket->readAll();
        if (alive() && !rest.isEmpty()) events.data(std::vector<std::uint8_t>(rest.begin(), rest.end()));
        if (!alive()) return;
        drop();
        events.closed();
    });
    QObject::connect(socket, &QAbstractSocket::errorOccurred, &context_,
                     [socket, fail](QAbstractSocket::SocketError error) {
                         // The server closing is the end of the reply, seen by `disconnected`.
                         if (error == QAbstractSocket::RemoteHostClosedError) return;
                         fail(socket->errorString().toStdString());
                     });
    stopwatch_.start();
    timer_->start(timeoutMs);
    socket->connectToHost(QString::fromStdString(host), static_cast<quint16>(port));
}

} // namespace kelvaro
