// Runs the built kelvaro-moon and reads what it prints.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

struct ToolRun {
    std::string out;
    std::string err;
    int exitCode = -1;
};

ToolRun RunTool(const std::string& arguments, const std::string& input = {}) {
    const std::string errFile = testing::TempDir() + "kelvaro_moon_stderr.txt";
    const std::string inFile = testing::TempDir() + "kelvaro_moon_stdin.txt";
    std::ofstream(inFile) << input;
    const std::string command =
        std::string("'") + KELVARO_MOON_TOOL + "' " + arguments + " <'" + inFile + "' 2>'" + errFile + "'";
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe))
        run.out += buffer;
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::stringstream err;
    err << std::ifstream(errFile).rdbuf();
    run.err = err.str();
    return run;
}

// The 1992 April 12 worked example, as the tool prints it.
constexpr const char* kAprilLine =
    "1992-04-12 69.075638 0.678568 22.339772 133.167269 -3.229127 368409.684526\n";

TEST(KelvaroMoonTool, PrintsOneLinePerArgument) {
    const ToolRun run = RunTool("1992-04-12 1992-10-13T00:00Z");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    std::istringstream lines(run.out);
    std::string first, second, extra;
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_EQ(first + "\n", kAprilLine);
    // Fields: instant, phase, fraction, Sun's longitude 199.90599 (Meeus), Moon's longitude, latitude,
    // distance.
    std::istringstream fields(second);
    std::string instant;
    double phase, fraction, sun, moonLongitude, latitude, distance;
    fields >> instant >> phase >> fraction >> sun >> moonLongitude >> latitude >> distance;
    EXPECT_EQ(instant, "1992-10-13T00:00Z");
    EXPECT_NEAR(sun, 199.90599, 0.00001);
    EXPECT_FALSE(std::getline(lines, extra));
}

TEST(KelvaroMoonTool, ReadsStandardInputWithoutArguments) {
    const ToolRun run = RunTool("", "  1992-04-12\n\n1992-04-12T02:00+02:00\n");
    EXPECT_EQ(run.exitCode, 0);
    const std::string shifted = std::string(kAprilLine).replace(0, 10, "1992-04-12T02:00+02:00");
    EXPECT_EQ(run.out, std::string(kAprilLine) + shifted);
}

TEST(KelvaroMoonTool, BadInstantIsReportedAndTheOthersStillPrinted) {
    const ToolRun run = RunTool("1992-04-31 1992-04-12 tomorrow");
    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(run.out, kAprilLine);
    EXPECT_NE(run.err.find("\"1992-04-31\""), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("\"tomorrow\""), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("not an ISO 8601 instant"), std::string::npos) << run.err;

    const ToolRun piped = RunTool("", "yesterday\n1992-04-12\n");
    EXPECT_NE(piped.exitCode, 0);
    EXPECT_EQ(piped.out, kAprilLine);
}

} // namespace
