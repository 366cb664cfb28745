// The assembled program's run-time names: every step and handler resolves.
#include "app/program.h"
#include "app/steps.h"
#include "app/view_hooks.h"
#include "app/windows.h"
#include "app/wiring.h"
#include "platform/fake/fake_platform.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kelvaro;

namespace {

struct Wiring : ::testing::Test {
    FakePlatform fakes;
    std::unique_ptr<Application> app = createProgram(fakes.platform("/tmp/kelvaro-wiring-handover.ini"),
                                                     LocaleInfo::enUS(), "/tmp/kelvaro-wiring/", {});

    bool reports(const std::string& words) {
        const auto problems = wiringProblems(*app);
        return std::any_of(problems.begin(), problems.end(),
                           [&](const std::string& p) { return p.find(words) != std::string::npos; });
    }
};

TEST_F(Wiring, TheAssembledProgramIsWhole) {
    const auto problems = wiringProblems(*app);
    for (const auto& p : problems)
        ADD_FAILURE() << p;
}

TEST_F(Wiring, AMisspeltHandlerIsReported) {
    mainWindow(*app).ButtonStopAlarm.handlers[Event::Click] = "ButtonStopAlarmClik";
    notebook(*app).form.handlers[Event::Show] = "TFormCityShw";
    EXPECT_TRUE(reports("TFormKelvaro.ButtonStopAlarm routes an event to ButtonStopAlarmClik"));
    EXPECT_TRUE(reports("TFormCity routes an event to TFormCityShw"));
}

TEST_F(Wiring, AnUnansweredQuestionOrAHookNotHandedToTheViewsIsReported) {
    queries(*app).wakeTip = nullptr;
    viewHooks(*app).trayMenu = nullptr;
    EXPECT_TRUE(reports("nobody answers how the computer wakes for the alarm"));
    EXPECT_TRUE(reports("the views are not handed the tray menu"));
}

TEST_F(Wiring, StepsRunOnlyWhenDefinedAndQuestionsAreAnswered) {
    int runs = 0;
    EXPECT_EQ(runStep(*app, Step::BatteryStep), "");
    defineStep(*app, Step::BatteryStep, [&runs] { ++runs; });
    runStep(*app, Step::BatteryStep);
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(playerIsPlaying(*app)); // no player at all
}

// The tick keeps each step's slot from its first run: what is defined, or defined
// again, later must still be what runs, also when a step replaces itself while running.
TEST(Steps, AStepRunsWhatIsDefinedNowEvenWhenItReplacesItselfWhileRunning) {
    FakePlatform fakes;
    std::vector<std::string> runs;
    Application bare(fakes.platform("/tmp/kelvaro-wiring-handover.ini"), LocaleInfo::enUS(),
                     "/tmp/kelvaro-wiring/", {});
    EXPECT_FALSE(stepDefined(bare, Step::BatteryStep));
    EXPECT_FALSE(bare.hasOperation("BatteryStep")); // an empty slot is no operation
    EXPECT_THROW(bare.run("BatteryStep"), std::out_of_range);
    defineStep(bare, Step::BatteryStep, [&] {
        runs.push_back("first");
        defineStep(bare, Step::BatteryStep, [&] { runs.push_back("second"); });
        runs.push_back("first, after replacing itself");
    });
    EXPECT_TRUE(bare.hasOperation("BatteryStep"));
    runStep(bare, Step::BatteryStep);
    bare.run("BatteryStep"); // scripts reach it by name
    EXPECT_EQ(runs, (std::vector<std::string>{"first", "first, after replacing itself", "second"}));
}

TEST(WindowHandles, BindingNamesTheMissingControl) {
    FakePlatform fakes;
    Application app(fakes.platform("/tmp/kelvaro-wiring-handover.ini"), LocaleInfo::enUS(),
                    "/tmp/kelvaro-wiring/", {});
    buildMainWindow(app.addForm(MainWindow::kName));
    buildSettingsNotebook(app.addForm(SettingsNotebook::kName));
    buildNightScreen(app.addForm(NightScreen::kName));
    // The features' own controls are missing: the first listed one is named.
    try {
        bindWindows(app);
        FAIL() << "bound without the features' controls";
    } catch (const std::logic_error& e) {
        EXPECT_NE(std::string(e.what()).find("has no control LabelTZ"), std::string::npos) << e.what();
    }
    EXPECT_THROW(mainWindow(app), std::logic_error);
}

} // namespace
