// The start-with-the-session entry starts the program on the folder it runs on.
#include "../profile_file/temp_folder.h"
#include "app/program.h"
#include "platform/fake_platform.h"

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
