#include "app/second_timer.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDateTime>
#include <QThread>

#include <glib.h>

namespace kelvaro {

// A GLib source with no file: each turn of the loop asks it how long until its second, on the
// wall clock. (A ready time would do as much, but setting one wakes the loop once more.)
struct SecondTimer::LoopSource {
    GSource source;
    SecondTimer* timer;
    bool running = false;
    qint64 dueMs = 0; // the wall clock's whole second, and the slack
};

struct SecondTimerLoop {
    using Source = SecondTimer::LoopSource;
    // Milliseconds until the source is due; a clock set back puts its second in again.
    static qint64 untilDue(Source& s) {
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        const qint64 left = s.dueMs - now;
        if (left > 1000 + s.timer->slackMs_)
            s.dueMs = now + SecondTimer::delayToNextSecond(now, s.timer->slackMs_);
        return s.dueMs - now;
    }
    static gboolean prepare(GSource* source, gint* timeout) {
        auto& s = *reinterpret_cast<Source*>(source);
        if (!s.running) {
            *timeout = -1;
            return FALSE;
        }
        const qint64 left = untilDue(s);
        *timeout = left > 0 ? static_cast<gint>(left) : 0;
        return left <= 0;
    }
    static gboolean check(GSource* source) {
        auto& s = *reinterpret_cast<Source*>(source);
        return s.running && untilDue(s) <= 0;
    }
    static gboolean dispatch(GSource* source, GSourceFunc, gpointer) {
        reinterpret_cast<Source*>(source)->timer->loopShot();
        return G_SOURCE_CONTINUE;
    }
};

namespace {

GSourceFuncs secondFuncs = {
    SecondTimerLoop::prepare, SecondTimerLoop::check, SecondTimerLoop::dispatch, nullptr, nullptr, nullptr};

// Qt's main thread runs GLib's default context when its dispatcher is the GLib one.
bool qtRunsOnDefaultLoop() {
    const auto* dispatcher = QAbstractEventDispatcher::instance();
    return dispatcher && dispatcher->inherits("QEventDispatcherGlib") && QCoreApplication::instance() &&
           QThread::currentThread() == QCoreApplication::instance()->thread();
}

} // namespace

SecondTimer::SecondTimer(std::function<void()> onSecond, int slackMs, QObject* parent)
    : QObject(parent), onSecond_(std::move(onSecond)), slackMs_(slackMs) {
    if (qtRunsOnDefaultLoop()) {
        source_ = reinterpret_cast<LoopSource*>(g_source_new(&secondFuncs, sizeof(LoopSource)));
        source_->timer = this;
        source_->running = false;
        // A tick's message box runs the loop again: the seconds go on inside it.
        g_source_set_can_recurse(&source_->source, TRUE);
        g_source_attach(&source_->source, g_main_context_default());
        return;
    }
    timer_.setTimerType(Qt::PreciseTimer); // a precise timer keeps its phase from shot to shot
    connect(&timer_, &QTimer::timeout, this, &SecondTimer::fire);
    nested_.setSingleShot(true);
    nested_.setTimerType(Qt::PreciseTimer);
    connect(&nested_, &QTimer::timeout, this, &SecondTimer::fire);
    // Each turn of any event loop says so; inside a tick (a message box's loop) the clock goes on.
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &SecondTimer::keepTickingInNestedLoop);
        connect(dispatcher, &QAbstractEventDispatcher::awake, this, &SecondTimer::keepTickingInNestedLoop);
    }
}

SecondTimer::~SecondTimer() {
    if (!source_) return;
    g_source_destroy(&source_->source);
    g_source_unref(&source_->source);
}

void SecondTimer::start() {
    lastSecond_ = -1;
    if (source_)
        armLoopSource();
    else
        timer_.start(delayToNextSecond(QDateTime::currentMSecsSinceEpoch(), slackMs_));
}

void SecondTimer::stop() {
    if (source_) source_->running = false;
    timer_.stop();
    nested_.stop();
}

// Due at the next whole second of the wall clock, worked out anew at each shot: a clock set or
// slewed is followed at the next second.
void SecondTimer::armLoopSource() {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    source_->dueMs = now + delayToNextSecond(now, slackMs_);
    source_->running = true;
}

void SecondTimer::loopShot() {
    armLoopSource(); // first: a nested loop in this tick gets the next second
    const qint64 second = QDateTime::currentMSecsSinceEpoch() / 1000;
    if (second == lastSecond_) return; // woken early: its second was ticked
    lastSecond_ = second;
    onSecond_();
}

int SecondTimer::delayToNextSecond(qint64 msSinceEpoch, int slackMs) {
    return static_cast<int>(1000 - msSinceEpoch % 1000) + slackMs;
}

void SecondTimer::keepTickingInNestedLoop() {
    if (depth_ > 0 && !nested_.isActive())
        nested_.start(delayToNextSecond(QDateTime::currentMSecsSinceEpoch(), slackMs_));
}

void SecondTimer::fire() {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 past = now % 1000;
    if (past < 1 || past > kLatestInPhaseMs)
        timer_.start(delayToNextSecond(now, slackMs_)); // out of phase (a clock set or slewed, a late wake)
    else if (timer_.interval() != 1000)
        timer_.setInterval(1000); // the shot that phases it: from now on, one a second in this phase
    const qint64 second = now / 1000;
    if (second == lastSecond_) return; // its second was ticked: early, or the nested loop's shot as well
    lastSecond_ = second;
    ++depth_;
    struct Leave {
        SecondTimer& t;
        ~Leave() {
            if (--t.depth_ == 0) t.nested_.stop();
        }
    } leave{*this};
    onSecond_();
}

} // namespace kelvaro
