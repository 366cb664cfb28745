#include "night/battery.h"

#include "app/steps.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/datetime.h"
#include "framework/translatable.h"
#include "night/sleep_mode.h"

namespace kelvaro {

namespace {

constexpr int kBlack = 0x000000;
constexpr int kGrey = 0x808080;
constexpr std::uint32_t kWarnBelowSeconds = 240;

// UPower says 0 and the old status all bits set when it cannot tell.
bool known(std::uint32_t seconds) {
    return seconds != 0 && seconds != PowerStatus::kUnknownSeconds;
}

// The service outlives a program that a test closes and starts again.
struct BatteryWatch {
    PowerStatus* status = nullptr;
    ~BatteryWatch() {
        if (status) status->onChange = nullptr;
    }
};

} // namespace

void BatteryStep(Application& app) {
    SyncPowerHolds(app); // the holds follow the alarm switch and the option within a second
    MainWindow& w = mainWindow(app);
    const PowerStatus::Reading r = app.platform().power->read();
    if (!r.onBattery) {
        w.LabelLowBattery.visible = false;
        w.LabelBattery.visible = false;
        return;
    }
    w.LabelBattery.visible = true;
    if (notebook(app).CheckBoxLowBattCheck1.checked) {
        w.LabelBattery.color = kBlack;
        // Once at the threshold: the label stays up until mains or the option ends it.
        if (known(r.secondsLeft) && r.secondsLeft < kWarnBelowSeconds && !w.LabelLowBattery.visible) {
            app.platform().speaker->ding();
            if (app.applicationMinimized) runStep(app, Step::ShowMainWindow);
            w.LabelLowBattery.visible = true;
        }
    } else {
        w.LabelLowBattery.visible = false;
        w.LabelBattery.color = kGrey;
    }
    w.LabelBattery.caption =
        known(r.secondsLeft)
            ? fillPattern(KV_TR("Battery %1"),
                          {formatDateTime("hh:mm:00", r.secondsLeft / 86400.0, app.locale())})
            : std::string(KV_TR("Battery ---"));
}

void installBattery(Application& app) {
    defineStep(app, Step::BatteryStep, [&app] { BatteryStep(app); });
    // A change shows at once rather than at the next tick.
    app.feature<BatteryWatch>().status = app.platform().power;
    app.platform().power->onChange = [&app] {
        if (app.main.tickEnabled) app.guarded([&app] { BatteryStep(app); });
    };
}

} // namespace kelvaro
