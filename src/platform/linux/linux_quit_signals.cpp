#include "platform/linux/linux_quit_signals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace kelvaro {
namespace {

// The self-pipe: the handler may only write(), so it passes the signal number
// through the pipe and the event loop picks it up.
int pipeFds[2] = {-1, -1};
constexpr std::array<int, 2> QuitSignalNumbers = {SIGTERM, SIGINT};
struct sigaction previous[2];

extern "C" void onQuitSignal(int signalNumber) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = write(pipeFds[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

QuitSignals::QuitSignals(std::function<void(int)> onQuit, QObject* parent)
    : QObject(parent), onQuit_(std::move(onQuit)) {
    if (pipeFds[0] >= 0 || pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &QuitSignals::drain);

    struct sigaction action {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < QuitSignalNumbers.size(); ++i)
        sigaction(QuitSignalNumbers[i], &action, &previous[i]);
}

QuitSignals::~QuitSignals() {
    if (!notifier_) return;
    for (std::size_t i = 0; i < QuitSignalNumbers.size(); ++i)
        sigaction(QuitSignalNumbers[i], &previous[i], nullptr);
    notifier_->setEnabled(false);
    close(pipeFds[0]);
    close(pipeFds[1]);
    pipeFds[0] = pipeFds[1] = -1;
}

void QuitSignals::drain() {
    unsigned char byte = 0;
    while (read(pipeFds[0], &byte, 1) == 1) {
        const int signalNumber = byte;
        emit quitRequested(signalNumber);
        if (onQuit_) onQuit_(signalNumber);
    }
}

} // namespace kelvaro
