// A quiet second leaves the tick's steps out only when they would have found nothing
// to do: two programs driven alike, one of them never quiet, show the same at every tick.
#include "app/program.h"
#include "app/quiet_second.h"
#include "framework/datetime.h"
#include "platform/fake_media_player.h"
#include "platform/fake_platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <vector>

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

struct Program {
    fs::path dir;
    FakePlatform fakes;
    FakeMediaPlayer player;
    std::unique_ptr<Application> app;

    Program(const std::string& name, double start) : fakes(start) {
        dir = fs::temp_directory_path() / ("kelvaro-quiet-" + name + "-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        std::ofstream(dir / "wake.mid", std::ios::binary) << "MThd";
        // The alarm at 07:00 plays a MIDI file.
        std::ofstream(dir / "Kelvaro.ini", std::ios::binary)
            << "[Data]\r\nHour=07\r\nMinute=00\r\nMIDIPath=" << (dir / "wake.mid").string() << "\r\n";
        app = createProgram(fakes.platform((dir / "handover.ini").string(), &player), LocaleInfo::enUS(),
                            dir.string() + "/", {"kelvaro"});
        firstPaint(*app);
    }
    ~Program() {
        app.reset();
        fs::remove_all(dir);
    }
};

// What a program shows: every control's fields, the tray's tip, the sounds and the player.
std::string shown(Program& p) {
    std::string out;
    const auto add = [&out](const std::string& text) {
        out += text;
        out += '|';
    };
    for (const auto& form : p.app->forms())
        for (const auto& c : form->controls()) {
            add(form->name + "." + c->name);
            for (const std::string* text : {&c->caption.get(), &c->text.get(), &c->hint.get()})
                add(*text);
            for (int n : {int(c->checked), int(c->enabled), int(c->visible), c->color.get(), c->bgcolor.get(),
                          c->left.get(), c->top.get(), c->width.get(), c->height.get(), c->position.get(),
                          c->row.get(), c->interval.get()})
                add(std::to_string(n));
            for (const auto& item : c->items.get())
                add(item);
            for (const auto& row : c->cells.get())
                for (const auto& cell : row)
                    add(cell);
            out += '\n';
        }
    add(p.fakes.tray.tip());
    for (const auto& sound : p.fakes.speaker.sounds())
        add(sound);
    for (const auto& piece : p.player.played())
        add(piece);
    add(playerModeName(p.player.mode()));
    return out;
}

// Runs a program through a morning's events, noting what it shows after each tick.
class Recorded {
  public:
    explicit Recorded(bool neverQuiet)
        : p_("run", encodeDate(2026, 12, 7) + encodeTime(6, 58, 5)) { // a Monday
        if (neverQuiet) needEverySecondWhile(*p_.app, [] { return true; });
    }
    void tick(int seconds = 1) {
        for (int i = 0; i < seconds; ++i) {
            p_.fakes.clock.advanceSeconds(1);
            mainTick(*p_.app);
            const std::string at = formatDateTime("hh:nn:ss", p_.app->main.CityNow, p_.app->locale());
            shows.push_back(at + "\n" + shown(p_));
        }
    }
    Program& program() { return p_; }
    std::vector<std::string> shows;

  private:
    Program p_;
};

// The first line where two records differ, with the time it was shown at.
std::string firstDifference(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i] == b[i]) continue;
        std::istringstream la(a[i]), lb(b[i]);
        std::string x, y, at;
        std::getline(la, at);
        std::getline(lb, y);
        if (at != y) return "quiet at " + at + ", full at " + y;
        while (std::getline(la, x) && std::getline(lb, y))
            if (x != y) return "at " + at + ":\n  quiet: " + x + "\n  full:  " + y;
        return "at " + at;
    }
    return a.size() == b.size() ? "" : "a different number of ticks";
}

TEST(QuietSeconds, AreQuietWhileNothingHappensAndNotOtherwise) {
    Recorded run(false);
    run.tick(3);
    Application& app = *run.program().app;
    const auto before = quietPasses(app);
    run.tick(20);
    EXPECT_EQ(quietPasses(app), before + 20);
    app.userClick("ON1"); // the user's click makes the next second a full one
    run.tick(1);
    EXPECT_EQ(quietPasses(app), before + 20);
    run.tick(1);
    EXPECT_EQ(quietPasses(app), before + 21);
    // An operation whose box's loop ticks quietly, then writes: the second after it is full.
    app.defineOperation("AskThenWrite", [&run] {
        run.tick(3);
        run.program().app->main.MusicOffMinutes = 5;
    });
    const auto beforeBox = quietPasses(app);
    app.run("AskThenWrite");
    EXPECT_EQ(quietPasses(app), beforeBox + 2);
    run.tick(1);
    EXPECT_EQ(quietPasses(app), beforeBox + 2);
}

// Quiet seconds within minutes, the minute's turn, the battery, the clock set on and back,
// the taskbar clock's held alarm time, the alarm ringing, snoozed, counting down and stopped.
void aMorning(Recorded& run) {
    Program& p = run.program();
    run.tick(40);
    p.fakes.power.set({true, 3600});
    run.tick(2);
    p.fakes.power.set({true, 3540});
    run.tick(2);
    p.fakes.power.set({false, 0});
    run.tick(10);
    p.fakes.clock.advanceSeconds(20);
    run.tick(2);
    p.fakes.clock.advanceSeconds(-15);
    run.tick(2);
    p.app->run("PanelKVClick");
    run.tick(8);
    run.tick(60);
    ASSERT_TRUE(p.app->ctl("ButtonStopAlarm").enabled);
    p.app->run("StartSnooze");
    run.tick(75);
    p.app->run("ButtonStopAlarmClick");
    run.tick(30);
}

TEST(QuietSeconds, ShowWhatEveryStepWouldHaveShown) {
    std::vector<std::string> quiet, full;
    {
        Recorded run(false);
        aMorning(run);
        EXPECT_GT(quietPasses(*run.program().app), 60u);
        quiet = std::move(run.shows);
    }
    {
        Recorded run(true);
        aMorning(run);
        EXPECT_EQ(quietPasses(*run.program().app), 0u);
        full = std::move(run.shows);
    }
    EXPECT_EQ(firstDifference(quiet, full), "");
}

} // namespace
} // namespace kelvaro
