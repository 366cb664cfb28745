// The start-with-the-session entry starts the program on the folder it runs on.
#include "../profile_file/temp_folder.h"
#include "app/program.h"
#include "framework/application.h"
#include "platform/fake/fake_platform.h"

#include <memory>

#include <gtest/gtest.h>

using namespace kelvaro;

TEST(AutostartEntry, CarriesTheProgramFolder) {
    TempFolder folder;
    const std::string dir = folder.path().string();
    FakePlatform fakes;
    Platform platform = fakes.platform(folder.file("handover.ini"));
    platform.programFile = "/opt/kelvaro/kelvaro";
    auto app = createProgram(platform, LocaleInfo::enUS(), dir + "/", {});
    firstPaint(*app);
    EXPECT_EQ(fakes.autostart.entry("Alarm Clock"), "/opt/kelvaro/kelvaro --dir " + dir + " auto");
}

namespace {

struct RunningProgram {
    TempFolder folder;
    FakePlatform fakes;
    std::unique_ptr<Application> app;
    RunningProgram() {
        Platform platform = fakes.platform(folder.file("handover.ini"));
        platform.programFile = "/usr/bin/kelvaro";
        app = createProgram(platform, LocaleInfo::enUS(), folder.path().string() + "/", {});
        firstPaint(*app);
    }
    bool hasEntry() const { return fakes.autostart.hasEntry("Alarm Clock"); }
};

} // namespace

// Gone at once: a crash before the close must not leave the clock starting with every session.
TEST(AutostartEntry, UntickedGoesAtOnceAndStaysGoneAtClose) {
    RunningProgram p;
    p.app->userClick("CheckBoxAutoStartwithWindows1");
    EXPECT_FALSE(p.app->ctl("CheckBoxAutoStartwithWindows1").checked);
    EXPECT_NE(p.folder.get("Kelvaro.ini").find("AutoStart=0"), std::string::npos);
    EXPECT_FALSE(p.hasEntry());
    closeMainWindow(*p.app);
    EXPECT_FALSE(p.hasEntry());
}

TEST(AutostartEntry, TickedIsWrittenAtOnceAndKeptAtClose) {
    RunningProgram p;
    p.app->userClick("CheckBoxAutoStartwithWindows1");
    p.fakes.autostart.removeEntry("Alarm Clock"); // as if the user had deleted it meanwhile
    p.app->userClick("CheckBoxAutoStartwithWindows1");
    EXPECT_TRUE(p.hasEntry());
    EXPECT_NE(p.folder.get("Kelvaro.ini").find("AutoStart=1"), std::string::npos);
    closeMainWindow(*p.app);
    EXPECT_TRUE(p.hasEntry());
}

TEST(AutostartEntry, RefusedChangeKeepsTheMarkAndWritesNothing) {
    RunningProgram p;
    p.app->userClick("CheckBoxAutoStartwithWindows1");
    p.fakes.autostart.removeEntry("Alarm Clock");
    p.app->setChecked("CheckBoxWarnifChangingSettings1", true);
    p.fakes.dialogs.queueAnswer(Answer::Cancel);
    p.app->userClick("CheckBoxAutoStartwithWindows1");
    EXPECT_FALSE(p.app->ctl("CheckBoxAutoStartwithWindows1").checked);
    EXPECT_FALSE(p.hasEntry());
    EXPECT_NE(p.folder.get("Kelvaro.ini").find("AutoStart=0"), std::string::npos);
}
