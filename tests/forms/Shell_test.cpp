// Starting an outside program: detached, never waited for, a clear reason when it cannot start.
#include "forms/Shell.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(ShellTest, StartsAProgramWithoutWaitingForIt) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString marker = folder.filePath("started");
    QString error;
    // The program outlives the call: the call does not wait for its second.
    ASSERT_TRUE(forms::Shell("/bin/sh", {"-c", "exec 2>/dev/null; sleep 1; : > \"$0\"", marker}, &error))
        << error.toStdString();
    EXPECT_FALSE(QFile::exists(marker));
}

TEST(ShellTest, SaysWhyAProgramCannotStart) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile notRunnable(folder.filePath("viewer.exe"));
    ASSERT_TRUE(notRunnable.open(QIODevice::WriteOnly));
    notRunnable.close();
    struct Case {
        const char* name;
        QString program;
        const char* reason;
    };
    const Case cases[] = {
        {"missing file", folder.filePath("missing/viewer.exe"), "does not exist"},
        {"not runnable", notRunnable.fileName(), "is not a program that can be started"},
        {"a folder", folder.path(), "is not a program that can be started"},
        {"unknown command", "vexorin-no-such-command", "could not be started"},
    };
    for (const Case& c : cases) {
        QString error;
        EXPECT_FALSE(forms::Shell(c.program, {}, &error)) << c.name;
        EXPECT_TRUE(error.contains(c.reason)) << c.name << ": " << error.toStdString();
        EXPECT_TRUE(error.contains(c.program)) << c.name << ": " << error.toStdString();
    }
}

} // namespace
