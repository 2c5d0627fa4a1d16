// The application object's run: start-up, the message loop, and the end.
#include "platform/Framework.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

using namespace platform;

namespace {

class ProbeApp : public CWinApp {
public:
    explicit ProbeApp(bool starts) : starts_(starts) {}
    std::vector<std::string> steps;

protected:
    bool InitInstance() override
    {
        steps.push_back("init");
        if (starts_)
            QTimer::singleShot(10, [this] {
                steps.push_back("quit");
                Quit(0);
            });
        return starts_;
    }
    // The run's result is what the end of the run returns.
    int ExitInstance() override
    {
        steps.push_back("exit");
        return 10 * static_cast<int>(steps.size());
    }

private:
    bool starts_;
};

} // namespace

TEST(Framework, RunEndsAtQuitAndAlwaysCleansUp)
{
    // A start-up that fails still runs the end of the run, and no loop.
    ProbeApp refused(false);
    EXPECT_EQ(refused.Run(), 20);
    EXPECT_EQ(refused.steps, (std::vector<std::string>{"init", "exit"}));

    ProbeApp app(true);
    EXPECT_EQ(app.Run(), 30);
    EXPECT_EQ(app.steps, (std::vector<std::string>{"init", "quit", "exit"}));
}

TEST(Framework, QuitOutsideTheProgramsLoopLeavesOtherLoopsRunning)
{
    // A loop of its own, like a modal dialog's or a test's, runs on when
    // the program asks to quit without having started its own loop.
    QEventLoop loop;
    bool finished = false;
    QTimer::singleShot(10, [] { CWinApp::Quit(0); });
    QTimer::singleShot(80, [&] {
        finished = true;
        loop.quit();
    });
    loop.exec();
    EXPECT_TRUE(finished);
}
