// What scripts cannot show: ticks that run while a step's note is still open on
// screen, and Now+ with a designator that is not two characters long.
#include "app/program.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/datetime.h"
#include "platform/fake_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <unistd.h>

using namespace kelvaro;

namespace {

// Message boxes as the real loop shows them: while the first note is open, the
// second timer goes on (the test's `whileOpen`).
struct LoopingDialogs : Dialogs {
    FakeDialogs boxes;
    std::function<void()> whileOpen;
    int open = 0;
    Answer messageBox(BoxKind kind, const std::string& title, const std::string& text,
                      const std::vector<Answer>& buttons) override {
        const Answer a = boxes.messageBox(kind, title, text, buttons);
        if (whileOpen && open == 0) {
            ++open;
            whileOpen();
            --open;
        }
        return a;
    }
    std::optional<std::string> chooseFile(const FileRequest& r) override { return boxes.chooseFile(r); }
};

struct Running : ::testing::Test {
    std::string dir = std::filesystem::temp_directory_path() / ("kelvaro-superalarm-" + std::to_string(::getpid()));
    FakePlatform fakes{encodeDate(2026, 12, 8) + encodeTime(6, 33, 55)};
    LoopingDialogs dialogs;
    std::unique_ptr<Application> app;

    void start(const std::string& ini, const LocaleInfo& locale = LocaleInfo::enUS()) {
        std::filesystem::create_directories(dir);
        std::ofstream(dir + "/Kelvaro.ini", std::ios::binary) << ini;
        std::ofstream(dir + "/Mission2.mid", std::ios::binary) << "MThd";
        Platform p = fakes.platform(dir + "/handover.ini");
        p.dialogs = &dialogs;
        app = createProgram(p, locale, dir + "/", {"kelvaro"});
        firstPaint(*app);
    }
    void tick(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            fakes.clock.advanceSeconds(1);
            mainTick(*app);
        }
    }
    int boxesWith(const std::string& start) const {
        int n = 0;
        for (const RecordedBox& b : dialogs.boxes.boxes()) n += b.text.rfind(start, 0) == 0;
        return n;
    }
    void TearDown() override {
        app.reset();
        std::filesystem::remove_all(dir);
    }
};

TEST_F(Running, AStepNoteLeftOpenIsNeitherRepeatedNorStacked) {
    start("[Data]\r\nHour=06\r\nMinute=33\r\nAMPM=AM\r\n");
    notebook(*app).Edit1M.text = "1"; // alarm 06:33 AM, shower at 06:34 AM
    app->run("RecalculatePlan");
    app->run("RefreshMilestones");
    tick(1);
    ASSERT_TRUE(mainWindow(*app).ButtonStopAlarm.enabled);
    // The note stays open for two minutes of ticks and the other callers.
    dialogs.whileOpen = [this] {
        tick(120);
        app->run("RefreshMilestones");
    };
    tick(5);
    EXPECT_EQ(boxesWith("It is now 6:34 AM. Start Showering."), 1);
    EXPECT_EQ(boxesWith("It is now"), 1);
    EXPECT_EQ(mainWindow(*app).Labelss.color, 0x008000);
}

TEST_F(Running, TheBedTimeNoteLeftOpenComesOnce) {
    fakes.clock.set(encodeDate(2026, 12, 7) + encodeTime(22, 8, 58));
    start("[Data]\r\nHour=06\r\nMinute=09\r\nAMPM=AM\r\n");
    dialogs.whileOpen = [this] {
        tick(30);
        app->run("RefreshMilestones");
    };
    tick(3);
    EXPECT_EQ(boxesWith("It is now 10:09 PM, Time to Quit!"), 1);
}

TEST_F(Running, NowPlusTakesTheWholeDesignatorAfterTheTime) {
    LocaleInfo spanish = LocaleInfo::enUS();
    spanish.amDesignator = "a. m.";
    spanish.pmDesignator = "p. m.";
    fakes.clock.set(encodeDate(2026, 12, 7) + encodeTime(11, 45, 10));
    start("[Data]\r\n", spanish);
    tick(1);
    app->userChoose("ComboBoxNowPlus", "90");
    EXPECT_EQ(mainWindow(*app).ComboBoxHour.text, "01");
    EXPECT_EQ(mainWindow(*app).ComboBoxMinute.text, "15");
    EXPECT_EQ(mainWindow(*app).ComboBoxAMPM.text, "P. M.");
}

} // namespace
