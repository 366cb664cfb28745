#include "platform/linux/linux_autostart.h"
#include "qt_test_support.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kelvaro;

TEST(DesktopExec, QuotesAndEscapesAsTheDesktopEntryRulesSay) {
    struct Case {
        const char* argument;
        const char* exec;
    };
    const Case cases[] = {
        {"/usr/bin/kelvaro", "/usr/bin/kelvaro"},
        {"auto", "auto"},
        {"/opt/My Apps/kelvaro", "\"/opt/My Apps/kelvaro\""},
        {"/opt/it's", "\"/opt/it's\""},
        {"/opt/$HOME/\"x\"", "\"/opt/\\\\$HOME/\\\\\"x\\\\\"\""}, // \$ and \" inside quotes, then \ doubled
        {"/opt/a\\b", "\"/opt/a\\\\\\\\b\""},                     // \\ inside quotes, each doubled again
        {"/opt/100%", "/opt/100%%"},                              // % is a field code
        {"", "\"\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(desktopExecArgument(c.argument), c.exec) << c.argument;
}

TEST(DesktopExec, FileNames) {
    EXPECT_EQ(desktopFileName("Alarm Clock"), "kelvaro.desktop");
    EXPECT_EQ(desktopFileName("My Timer/2"), "my-timer-2.desktop");
}

TEST(XdgAutostart, WritesAValidEntryAndRemovesIt) {
    QTemporaryDir config;
    ScopedEnv env("XDG_CONFIG_HOME", config.path().toStdString());
    XdgAutostart autostart;
    const std::string path = config.path().toStdString() + "/autostart/kelvaro.desktop";
    ASSERT_EQ(autostart.entryPath("Alarm Clock"), path);
    EXPECT_FALSE(autostart.hasEntry("Alarm Clock"));

    autostart.writeEntry("Alarm Clock", "/opt/Kelvaro Clock/kelvaro", {"--dir", "/home/me/My Clock", "auto"});
    ASSERT_TRUE(autostart.hasEntry("Alarm Clock"));
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("\nExec=\"/opt/Kelvaro Clock/kelvaro\" --dir \"/home/me/My Clock\" auto\n"));
    EXPECT_TRUE(text.contains("\nX-GNOME-Autostart-enabled=true\n"));
    // Nothing but the entry is left in the folder (the temporary file was renamed).
    EXPECT_EQ(QDir(config.path() + QStringLiteral("/autostart")).entryList(QDir::Files).size(), 1);

    autostart.removeEntry("Alarm Clock");
    EXPECT_FALSE(autostart.hasEntry("Alarm Clock"));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
    autostart.removeEntry("Alarm Clock"); // removing twice is harmless
}

TEST(XdgAutostart, EntriesPassDesktopFileValidate) {
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed (package desktop-file-utils)";
    QTemporaryDir config;
    ScopedEnv env("XDG_CONFIG_HOME", config.path().toStdString());
    XdgAutostart autostart;
    autostart.writeEntry("Alarm Clock", "/usr/bin/kelvaro",
                         {"--dir", "/home/me/.local/share/kelvaro", "auto"});
    autostart.writeEntry("Tricky", "/opt/it's $HOME \\ \"x\"/100%", {"--dir", "/tmp/50% $x", "auto"});
    for (const std::string& entry : {autostart.entryPath("Alarm Clock"), autostart.entryPath("Tricky")}) {
        QProcess run;
        run.start(validator, {QString::fromStdString(entry)});
        ASSERT_TRUE(run.waitForFinished(5000));
        const QByteArray complaints = run.readAllStandardOutput().trimmed();
        EXPECT_EQ(run.exitCode(), 0) << entry << ": " << complaints.toStdString();
        EXPECT_EQ(complaints, QByteArray()) << entry;
    }
}
