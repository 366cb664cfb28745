#pragma once
// Waking the computer on Linux. Best first: a CLOCK_REALTIME_ALARM timerfd held by
// the program (needs CAP_WAKE_ALARM), the same timer held by the small helper that
// the package installs with that file capability, a transient systemd timer with
// WakeSystem=true (polkit decides). Before the system sleeps, logind's "delay"
// inhibitor gives the program the moment to re-arm (PrepareForSleep).
#include "platform/wake_timer.h"

#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QProcess>
#include <QString>

namespace kelvaro {

class LinuxWakeTimer : public QObject, public WakeTimer {
    Q_OBJECT
  public:
    // helperPath: the installed wake helper; empty or missing: none.
    explicit LinuxWakeTimer(QString helperPath = {});
    ~LinuxWakeTimer() override;

    WakeMethod method() override { return method_; }
    bool arm(std::int64_t utcSeconds) override;
    void disarm() override;
    void sleepReady() override;

    // Whether this process may create a CLOCK_REALTIME_ALARM timer (errno of the refusal in `why`).
    static bool kernelAlarmAllowed(QString* why = nullptr);
    bool holdsSleepDelay() const { return delay_.isValid(); }
    // The kernel timer's expiries read so far (a test arms a near expiry and waits).
    int expiries() const { return expiries_; }

  private slots:
    void prepareForSleep(bool starting);

  private:
    void takeSleepDelay();
    bool armKernel(std::int64_t utcSeconds);
    bool armHelper(std::int64_t utcSeconds);
    bool armSystemTimer(std::int64_t utcSeconds);
    void readExpiry();

    WakeMethod method_ = WakeMethod::None;
    QString helperPath_;
    int alarmFd_ = -1;
    int expiries_ = 0;
    QObject* notifier_ = nullptr;
    QProcess* helper_ = nullptr;
    bool systemTimerArmed_ = false;
    bool logind_ = false;
    QDBusUnixFileDescriptor delay_;
};

} // namespace kelvaro
