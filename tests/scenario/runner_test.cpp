#include "runner.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kelvaro::scenario {
namespace {

const std::string data = KELVARO_TEST_DATA;

TEST(ScenarioRunner, ReportsEachScenarioAndCountsAtTheEnd) {
    std::ostringstream report, errors;
    EXPECT_EQ(runScriptFiles({data + "/reporting.scn"}, report, errors), 1);
    EXPECT_EQ(report.str(),
              "ok 1 - passes\n"
              "not ok 2 - fails on a file: line 8: file a.txt: expected \"y\", got \"x\"\n"
              "not ok 3 - fails on the speaker: line 12: Speaker.count: expected \"2\", got \"0\"\n"
              "1 passed, 2 failed\n");
    EXPECT_EQ(errors.str(), "");
}

TEST(ScenarioRunner, ParseErrorsAndUnreadableFilesStopBeforeRunning) {
    std::ostringstream report, errors;
    EXPECT_EQ(runScriptFiles({data + "/reporting.scn", data + "/bad_syntax.scn"}, report, errors), 2);
    EXPECT_EQ(report.str(), "");
    EXPECT_NE(errors.str().find("bad_syntax.scn:4: not a tick count: 3x"), std::string::npos) << errors.str();

    std::ostringstream report2, errors2;
    EXPECT_EQ(runScriptFiles({data + "/no_such_file.scn"}, report2, errors2), 2);
    EXPECT_NE(errors2.str().find("no_such_file.scn:0: cannot read the file"), std::string::npos);
}

} // namespace
} // namespace kelvaro::scenario
