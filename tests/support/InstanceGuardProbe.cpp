// A second process for the instance-guard tests.
//   instance_guard_probe NAME hold   takes the guard, prints "first" (or
//                                    "other"), then waits for a hand-over and
//                                    prints "restored"
//   instance_guard_probe NAME once   tries the guard, prints the result
#include "platform/InstanceGuard.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    platform::InstanceGuard guard(argv[1]);
    const auto result = guard.Acquire();
    const char* word = result == platform::InstanceGuard::Result::First          ? "first"
                       : result == platform::InstanceGuard::Result::OtherRunning ? "other"
                                                                                 : "failed";
    std::printf("%s\n", word);
    std::fflush(stdout);
    if (std::strcmp(argv[2], "hold") != 0 || result != platform::InstanceGuard::Result::First)
        return 0;
    guard.SetRestoreHandler([] {
        std::printf("restored\n");
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    QTimer::singleShot(20000, &app, &QCoreApplication::quit);
    return app.exec();
}
