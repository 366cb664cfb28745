#pragma once
// SIGTERM and SIGINT arrive as a call on the main thread, so the program can
// close its window normally and save, instead of dying mid-write.
#include <QObject>

#include <functional>

class QSocketNotifier;

namespace kelvaro {

class QuitSignals : public QObject {
    Q_OBJECT
  public:
    // Only one may exist at a time; it puts the previous handlers back when destroyed.
    explicit QuitSignals(std::function<void(int signalNumber)> onQuit = {}, QObject* parent = nullptr);
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

    bool isInstalled() const { return notifier_ != nullptr; }

  signals:
    void quitRequested(int signalNumber);

  private:
    void drain();

    std::function<void(int)> onQuit_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace kelvaro
