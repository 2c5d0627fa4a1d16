// One copy per user: a later copy hands over to the running one and ends.
#include "tests/support/Recorders.h"

#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QString ReadLine(QProcess& process, int timeoutMs = 10000)
{
    if (!process.canReadLine())
        process.waitForReadyRead(timeoutMs);
    return QString::fromLocal8Bit(process.readLine()).trimmed();
}

} // namespace

TEST(InstanceGuard, SecondProcessHandsOverToTheFirst)
{
    IsolatedEnvironment env;
    QProcess first;
    first.start(INSTANCE_GUARD_PROBE, {"Fin Class", "hold"});
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_EQ(ReadLine(first), "first");

    QProcess second;
    second.start(INSTANCE_GUARD_PROBE, {"Fin Class", "once"});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(QString::fromLocal8Bit(second.readAllStandardOutput()).trimmed(), "other");
    EXPECT_EQ(second.exitCode(), 0);

    EXPECT_EQ(ReadLine(first), "restored");
    ASSERT_TRUE(first.waitForFinished(10000));

    // Once the first copy has ended, the guard is free again, even though its
    // lock file may still lie there.
    QProcess third;
    third.start(INSTANCE_GUARD_PROBE, {"Fin Class", "once"});
    ASSERT_TRUE(third.waitForFinished(10000));
    EXPECT_EQ(QString::fromLocal8Bit(third.readAllStandardOutput()).trimmed(), "first");
}

TEST(InstanceGuard, GuardsOfOtherNamesDoNotMeet)
{
    IsolatedEnvironment env;
    QProcess first;
    first.start(INSTANCE_GUARD_PROBE, {"Fin Class", "hold"});
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_EQ(ReadLine(first), "first");

    QProcess other;
    other.start(INSTANCE_GUARD_PROBE, {"Other Class", "once"});
    ASSERT_TRUE(other.waitForFinished(10000));
    EXPECT_EQ(QString::fromLocal8Bit(other.readAllStandardOutput()).trimmed(), "first");
    first.kill();
    first.waitForFinished();
}

TEST(InstanceGuard, SecondCopyOfTheProgramEndsSilently)
{
    IsolatedEnvironment env;
    QProcess first;
    first.setProcessChannelMode(QProcess::MergedChannels);
    first.start(FISCOVA_PROGRAM, {});
    ASSERT_TRUE(first.waitForStarted());
    // Wait until the first copy holds the guard (its socket exists). Asking
    // with a probe instead would race the program for the guard.
    const QString socket =
        QString::fromStdString(env.Path("runtime/Fin-Class-" + std::to_string(::getuid()) + ".socket"));
    bool held = false;
    for (int attempt = 0; attempt < 200 && !held && first.state() == QProcess::Running; ++attempt) {
        held = QFileInfo::exists(socket);
        if (!held)
            QThread::msleep(50);
    }
    ASSERT_TRUE(held) << first.readAll().toStdString();

    QProcess second;
    second.setProcessChannelMode(QProcess::MergedChannels);
    second.start(FISCOVA_PROGRAM, {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();
}
