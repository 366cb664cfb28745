#include "platform/linux/linux_paths.h"
#include "qt_test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

std::string path(const QTemporaryDir& dir, const char* name) {
    return dir.filePath(QString::fromUtf8(name)).toStdString();
}

} // namespace

TEST(LinuxPaths, XdgFoldersFallBackToHome) {
    ScopedEnv home("HOME", "/home/tester");
    {
        ScopedEnv config("XDG_CONFIG_HOME", std::nullopt);
        EXPECT_EQ(handoverFilePath(), "/home/tester/.config/Kelvaro.ini");
    }
    {
        ScopedEnv config("XDG_CONFIG_HOME", "relative/ignored");
        EXPECT_EQ(handoverFilePath(), "/home/tester/.config/Kelvaro.ini");
    }
    ScopedEnv config("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(handoverFilePath(), "/cfg/Kelvaro.ini");
    ScopedEnv data("XDG_DATA_HOME", std::nullopt);
    EXPECT_EQ(xdgDataHome(), "/home/tester/.local/share");
}

TEST(LinuxPaths, ProgramDirRules) {
    QTemporaryDir tmp;
    ScopedEnv data("XDG_DATA_HOME", path(tmp, "data"));
    QDir().mkpath(tmp.filePath(QStringLiteral("bin")));
    const std::string exe = path(tmp, "bin/kelvaro");

    // No option, no settings file beside the program: the per-user data folder, created.
    EXPECT_EQ(resolveProgramDir({exe}, exe), path(tmp, "data/kelvaro/"));
    EXPECT_TRUE(QDir(tmp.filePath(QStringLiteral("data/kelvaro"))).exists());

    // A settings file beside the program makes it a portable install.
    QFile ini(tmp.filePath(QStringLiteral("bin/Kelvaro.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.close();
    EXPECT_EQ(resolveProgramDir({exe, "auto"}, exe), path(tmp, "bin/"));

    // "--dir" wins over both, in either spelling, and is created.
    EXPECT_EQ(resolveProgramDir({exe, "--dir", path(tmp, "mine")}, exe), path(tmp, "mine/"));
    EXPECT_EQ(resolveProgramDir({exe, "--dir=" + path(tmp, "other/")}, exe), path(tmp, "other/"));
    EXPECT_TRUE(QDir(tmp.filePath(QStringLiteral("mine"))).exists());
    // A relative folder is made absolute, so later changes of the working folder do not matter.
    const std::string relative = resolveProgramDir({exe, "--dir", "."}, exe);
    EXPECT_EQ(relative.front(), '/');
    EXPECT_EQ(relative.back(), '/');
}

TEST(LinuxPaths, ProgramArgumentsDropTheFolderOption) {
    using Args = std::vector<std::string>;
    EXPECT_EQ(programArguments(Args{"/bin/kelvaro", "--dir", "/x", "AUTO"}), (Args{"/bin/kelvaro", "AUTO"}));
    EXPECT_EQ(programArguments(Args{"/bin/kelvaro", "auto", "--dir=/x"}), (Args{"/bin/kelvaro", "auto"}));
    EXPECT_EQ(programArguments(Args{"/bin/kelvaro"}), (Args{"/bin/kelvaro"}));
    char a0[] = "/bin/kelvaro", a1[] = "--dir", a2[] = "/x";
    char* argv[] = {a0, a1, a2, nullptr};
    EXPECT_EQ(programArguments(3, argv), (Args{"/bin/kelvaro"}));
}
