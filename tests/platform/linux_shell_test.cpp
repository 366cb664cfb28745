#include "platform/linux/linux_shell.h"
#include "qt_test_support.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kelvaro;

TEST(LinuxShell, ExecutableMeansRegularFileWithAnExecuteBit) {
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("CleanUp"));
    const QString plain = dir.filePath(QStringLiteral("notes.txt"));
    for (const QString& name : {script, plain}) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n");
    }
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(plain, QFile::ReadOwner | QFile::WriteOwner);

    LinuxShell shell;
    EXPECT_TRUE(shell.isExecutable(script.toStdString()));
    EXPECT_FALSE(shell.isExecutable(plain.toStdString()));
    EXPECT_FALSE(shell.isExecutable(dir.path().toStdString())); // folders carry x too
    EXPECT_FALSE(shell.isExecutable(dir.filePath(QStringLiteral("missing")).toStdString()));
    EXPECT_FALSE(shell.isExecutable(""));
}

TEST(LinuxShell, StartProgramPassesArgumentsWithoutAShell) {
    testApp();
    QTemporaryDir dir;
    const QString marker = dir.filePath(QStringLiteral("a b;c"));
    LinuxShell shell;
    // A shell would split the name at the blank and the semicolon.
    ASSERT_TRUE(shell.startProgram("/usr/bin/touch", {marker.toStdString()}));
    EXPECT_TRUE(processEventsUntil([&] { return QFile::exists(marker); }));
    EXPECT_FALSE(shell.startProgram(dir.filePath(QStringLiteral("no-such-program")).toStdString(), {}));
}
