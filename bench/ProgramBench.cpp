// Whole-program figures beside their floor on the same machine in the same
// run: start-up to the painted main menu against an empty 640x480 window;
// every kind of user action the tour performs, from the input event to the
// finished paint, as median and 99th percentile against one 640x480 blit
// (page switches, entering a module the first and a later time, opening and
// closing a detail panel, slider steps, survey page turns, clicks on lesson
// topics); a report printed to PDF against an empty PDF; resident memory
// over 10,000 page switches; and peak memory after all of it against the
// empty window's.
//   fiscova_programbench            runs everything and prints the table
#include "app/CFinApp.h"
#include "app/CFinView.h"
#include "app/CMainFrame.h"
#include "app/LessonPage.h"
#include "app/MainMenu.h"
#include "kit/DetailLines.h"
#include "kit/DetailPanel.h"
#include "kit/ViewMessages.h"
#include "pages/money/AssetsPage.h"
#include "pages/money/AverageBudgetPage.h"
#include "pages/planning/ChartPage.h"
#include "pages/surveys/SurveyPage.h"
#include "platform/Dialog.h"
#include "platform/MessageBox.h"
#include "platform/Printer.h"
#include "platform/Sound.h"
#include "platform/Timing.h"
#include "tests/support/Driver.h"
#include "tests/support/Places.h"
#include "tests/support/Recorders.h"
#include "tests/support/TestProgram.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The value below which 99 of every 100 samples lie.
double Percentile99(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[std::min(v.size() - 1, v.size() * 99 / 100)];
}

// One frame of a 60 Hz screen: no action may take longer.
constexpr double kFrameMs = 1000.0 / 60;

// Resident memory of this process now, in kilobytes.
long ResidentKb()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Times of one kind of action, printed as a line of the action table:
// from the input to the finished paint, and the same without the waits
// the program makes on purpose (a click sound played to its end, a button
// held down for a moment), which no speed of machine can shorten.
// The deliberate waits within the last timed click.
double g_lastWaitMs = 0;

struct ActionTimes {
    const char* name;
    std::vector<double> ms{};
    std::vector<double> ownMs{}; // empty when the action has no such waits

    // The time of the click just timed.
    void AddClick(double clickMs)
    {
        ms.push_back(clickMs);
        ownMs.push_back(clickMs - g_lastWaitMs);
    }
};

// The real clock, counting the time spent in the program's deliberate
// waits.
class CountingClock : public platform::Clock {
public:
    CountingClock() { timer_.start(); }
    std::uint64_t TickCount() override { return static_cast<std::uint64_t>(timer_.elapsed()); }
    void Sleep(unsigned ms) override
    {
        QElapsedTimer t;
        t.start();
        QThread::msleep(ms);
        waitedMs_ += t.nsecsElapsed() / 1e6;
    }
    double WaitedMs() const { return waitedMs_; }

private:
    QElapsedTimer timer_;
    double waitedMs_ = 0;
};

CountingClock g_clock;

// The program as started from its folder (only reads its files there).
class ProgramInFolder : public CFinApp {
protected:
    std::string ProgramFile() const override { return FISCOVA_PROGRAM_DIR "/fiscova"; }
};

// --- Child processes: start, paint, say so, end. -------------------------------

int EmptyWindowChild(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    window.show();
    window.repaint();
    QCoreApplication::processEvents();
    std::printf("ready\n");
    return 0;
}

int ProgramChild(int argc, char** argv)
{
    platform::GuiSession session(argc, argv);
    SilentSound sound;
    platform::SetSoundBackend(&sound);
    ReportingBoxes boxes;
    platform::SetMessageBoxHandler(&boxes);
    // The splash is skipped by a click, as a user would.
    platform::SetModalHook(
        [](platform::Dialog& dialog) { QTest::mouseClick(dialog.Widget(), Qt::LeftButton); });
    IsolatedEnvironment env;
    env.WriteRegistry(FISCOVA_DISC_DIR);
    ProgramInFolder app;
    if (!app.InitInstance())
        return 1;
    app.FinView()->Menu()->Widget()->repaint();
    QCoreApplication::processEvents();
    std::printf("ready\n");
    std::fflush(stdout);
    app.ExitInstance();
    std::_Exit(0);
}

struct ChildRun {
    double ms = 0;
    long peakKb = 0;
};

ChildRun RunChild(const char* self, const char* mode)
{
    char* args[] = {const_cast<char*>(self), const_cast<char*>("--child"), const_cast<char*>(mode), nullptr};
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn(&pid, self, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return {timer.nsecsElapsed() / 1e6, usage.ru_maxrss};
}

// --- In-process figures ------------------------------------------------------

double BlitMs()
{
    QImage source(640, 480, QImage::Format_RGB32);
    source.fill(Qt::darkBlue);
    QImage target(640, 480, QImage::Format_RGB32);
    std::vector<double> times;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer t;
        t.start();
        QPainter p(&target);
        p.drawImage(0, 0, source);
        p.end();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    return Median(times);
}

// Times each step of a drag of the slider's thumb along its track: the
// move and the repaint of the window.
std::vector<double> DragSteps(CFinApp& app, QWidget* slider)
{
    const int middle = slider->height() / 2;
    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, QPoint(8, middle));
    std::vector<double> steps;
    for (int i = 0; i < 200; ++i) {
        const int x = 8 + (i % 100) * (slider->width() - 16) / 100;
        QElapsedTimer t;
        t.start();
        SendMouseMove(slider, QPoint(x, middle), Qt::LeftButton);
        app.MainFrame()->Widget()->repaint();
        steps.push_back(t.nsecsElapsed() / 1e6);
    }
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, QPoint(8, middle));
    return steps;
}

// A click at a point of the main window, timed from the press to the
// finished paint of whatever it changed.
double TimedClick(CFinApp& app, QPoint at)
{
    QWidget* frame = app.MainFrame()->Widget();
    QWidget* target = frame->childAt(at);
    if (!target)
        target = frame;
    const QPoint local = target->mapFrom(frame, at);
    const double waited = g_clock.WaitedMs();
    QElapsedTimer t;
    t.start();
    QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, local);
    QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, local);
    QCoreApplication::sendPostedEvents();
    frame->repaint();
    const double ms = t.nsecsElapsed() / 1e6;
    g_lastWaitMs = g_clock.WaitedMs() - waited;
    return ms;
}

// A key to the focused widget, timed likewise.
double TimedKey(CFinApp& app, Qt::Key key)
{
    QWidget* focus = QApplication::focusWidget();
    QElapsedTimer t;
    t.start();
    QTest::keyClick(focus ? focus : app.MainFrame()->Widget(), key);
    QCoreApplication::sendPostedEvents();
    app.MainFrame()->Widget()->repaint();
    return t.nsecsElapsed() / 1e6;
}

const QPoint kMainMenuButton{places::kSideX, places::kMainMenuY};

QPoint MenuItem(int item)
{
    return {places::kMenuItemX, places::MenuItemY(item)};
}

// Clicks back to the main menu and into module `item`; the time of the
// click on the module's item.
double EnterModule(CFinApp& app, int item)
{
    TimedClick(app, kMainMenuButton);
    Driver::Settle(30);
    const double ms = TimedClick(app, MenuItem(item));
    Driver::Settle(30);
    return ms;
}

struct PageStep {
    const char* name;
    int menuItem; // the module it lives in
    platform::UINT message;
};

constexpr PageStep kPages[] = {
    {"introduction", 2, VM_INTRO},
    {"chooser MAN2", 2, VM_SECTION_MAN2},
    {"chooser MAN3", 2, VM_SECTION_MAN3},
    {"chooser MAN4", 2, VM_SECTION_MAN4},
    {"lesson emer", 2, VM_LESSON_EMER},
    {"quick assets", 2, VM_QUICK_START},
    {"liabilities", 2, VM_SHOW_LIABILITIES},
    {"net worth", 2, VM_SHOW_NET_WORTH},
    {"checklist", 2, VM_DETAILED_START},
    {"detailed assets", 2, VM_DETAILED_ASSETS},
    {"budget", 2, VM_BUDGET_DETAILED},
    {"average budget", 2, VM_SHOW_AVERAGE_BUDGET},
    {"budget results", 2, VM_BUDGET_RESULTS},
    {"chooser FIN2", 1, VM_CHOOSER_FIN2},
    {"chooser FIN3", 1, VM_CHOOSER_FIN3},
    {"chooser CRED2", 3, VM_CHOOSER_CRED2},
    {"lesson pcons", 3, VM_LESSON_PCONS},
    {"chooser CRED4", 3, VM_CHOOSER_CRED4},
    {"text ratings", 3, VM_TEXT_RATINGS},
    {"lesson avoid", 3, VM_LESSON_AVOID},
    {"text obtain", 3, VM_TEXT_OBTAIN},
    {"lesson agency", 3, VM_LESSON_AGENCY},
    {"chooser PLAN3", 4, VM_CHOOSER_PLAN3},
    {"lesson goal", 4, VM_LESSON_GOAL},
    {"lesson invest", 4, VM_LESSON_INVEST},
    {"text credits", 5, VM_TEXT_HOWZEM1},
    {"text contact", 5, VM_TEXT_HOWZEM2},
};

int Measure(int argc, char** argv)
{
    // Start-ups vary with the machine's other work by a fifth and more: the
    // medians of many, taken in turn, are compared.
    constexpr int kStartRuns = 21;
    std::vector<double> emptyMs, programMs;
    long emptyKb = 0, programKb = 0;
    for (int i = 0; i < kStartRuns; ++i) {
        const ChildRun e = RunChild(argv[0], "empty");
        const ChildRun p = RunChild(argv[0], "program");
        emptyMs.push_back(e.ms);
        programMs.push_back(p.ms);
        emptyKb = std::max(emptyKb, e.peakKb);
        programKb = std::max(programKb, p.peakKb);
    }

    platform::GuiSession session(argc, argv);
    SilentSound sound;
    platform::SetSoundBackend(&sound);
    ReportingBoxes boxes;
    platform::SetMessageBoxHandler(&boxes);
    platform::SetModalHook([](platform::Dialog& d) { d.EndDialog(platform::IDOK); });
    platform::SetClock(&g_clock);
    IsolatedEnvironment env;
    env.WriteRegistry(FISCOVA_DISC_DIR);
    const ProgramFolder folder;
    TestApp app(folder);
    app.InitInstance();
    CFinView& view = *app.FinView();

    const double blit = BlitMs();
    std::vector<ActionTimes> actions;
    std::vector<double> switches, switchMedians;
    ActionTimes firstEntries{"entering a module, the first time"};
    std::printf("%-20s %10s %10s\n", "page switch", "median ms", "x blit");
    int module = 0;
    for (const PageStep& step : kPages) {
        if (step.menuItem != module) {
            if (module != 0) {
                TimedClick(app, kMainMenuButton);
                Driver::Settle(30);
            }
            firstEntries.AddClick(TimedClick(app, MenuItem(step.menuItem)));
            Driver::Settle(100);
            module = step.menuItem;
        }
        std::vector<double> times;
        for (int i = 0; i < 15; ++i) {
            view.SendMessage(VM_HIDE_PAGES);
            QCoreApplication::processEvents();
            QElapsedTimer t;
            t.start();
            view.SendMessage(VM_HIDE_PAGES);
            view.SendMessage(step.message);
            QCoreApplication::sendPostedEvents();
            app.MainFrame()->Widget()->repaint();
            times.push_back(t.nsecsElapsed() / 1e6);
        }
        const double median = Median(times);
        switchMedians.push_back(median);
        switches.insert(switches.end(), times.begin(), times.end());
        std::printf("%-20s %10.2f %10.1f\n", step.name, median, median / blit);
    }
    actions.push_back({"page switch", switches});
    actions.push_back(firstEntries);

    ActionTimes laterEntries{"entering a module, a later time"};
    for (int i = 0; i < 20; ++i)
        laterEntries.AddClick(EnterModule(app, 1 + i % 4));
    actions.push_back(laterEntries);

    // The detailed assets worksheet: a line's panel opened by a click on
    // its label and closed by Escape.
    EnterModule(app, 2);
    view.SendMessage(VM_DETAILED_START);
    view.SendMessage(VM_HIDE_PAGES);
    view.SendMessage(VM_DETAILED_ASSETS);
    QCoreApplication::processEvents();
    auto* assets = view.Pages().Get<AssetsPage>(PageId::Assets);
    DetailPanel* panel = app.Windows().detailPanel;
    ActionTimes panelOpens{"opening a detail panel"};
    std::vector<double> panelCloses;
    for (int i = 0; i < 30; ++i) {
        const platform::Rect box = assets->Lines().Box(i % 3).GetWindowRect();
        panelOpens.AddClick(TimedClick(app, {places::kPageX + box.left - 40, places::kPageY + box.top + 10}));
        if (!panel->IsShowing())
            break;
        panelCloses.push_back(TimedKey(app, Qt::Key_Escape));
    }
    actions.push_back(panelOpens);
    actions.push_back({"closing a detail panel", panelCloses});

    // One step of the average budget's slider while the user drags it: the
    // chart computed, drawn off screen, copied onto the page and presented.
    view.SendMessage(VM_SHOW_AVERAGE_BUDGET);
    app.MainFrame()->Widget()->repaint();
    const std::vector<double> averageSteps =
        DragSteps(app, view.Pages().Get<AverageBudgetPage>(PageId::AverageBudget)->IncomeSlider().Widget());
    actions.push_back({"average budget slider step", averageSteps});

    // A print request on the net-worth page to the finished PDF, beside an
    // empty one-page PDF written with Qt.
    QTemporaryDir pdfs;
    platform::SetPrintSettings({"none", pdfs.path().toStdString()});
    view.SendMessage(VM_SHOW_NET_WORTH);
    QCoreApplication::processEvents();
    std::vector<double> prints, emptyPdfs;
    for (int i = 0; i < 10; ++i) {
        QElapsedTimer t;
        t.start();
        view.SendMessage(VM_PRINT_NET_WORTH);
        prints.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        {
            QPdfWriter empty(pdfs.path() + "/empty" + QString::number(i) + ".pdf");
            QPainter painter(&empty);
        }
        emptyPdfs.push_back(t.nsecsElapsed() / 1e6);
    }

    std::vector<double> repaints;
    for (int i = 0; i < 30; ++i) {
        QElapsedTimer t;
        t.start();
        view.Invalidate();
        view.UpdateWindow();
        repaints.push_back(t.nsecsElapsed() / 1e6);
    }

    // The spending survey's pages turned by the next button, there and
    // back again.
    EnterModule(app, 1);
    view.SendMessage(VM_SURVEY_SPENDING);
    QCoreApplication::processEvents();
    auto* survey = view.Pages().Get<SurveyPage>(PageId::Survey);
    ActionTimes turns{"survey page turn"};
    for (int round = 0; round < 3; ++round) {
        view.SendMessage(VM_HIDE_PAGES);
        view.SendMessage(VM_SURVEY_SPENDING);
        QCoreApplication::processEvents();
        while (survey->IsWindowVisible() && survey->CurrentPage() + 1 < survey->PageCount()) {
            const int before = survey->CurrentPage();
            const double ms = TimedClick(app, places::kNavNext);
            if (survey->CurrentPage() == before)
                break;
            turns.AddClick(ms);
        }
    }
    actions.push_back(turns);

    // The topics of a lesson list, each opened by a click on it.
    EnterModule(app, 2);
    view.SendMessage(VM_LESSON_EMER);
    QCoreApplication::processEvents();
    auto* lesson = view.Pages().Get<LessonPage>(PageId::Lesson);
    ActionTimes topicClicks{"click on a lesson topic"};
    for (int i = 0; i < 40 && !lesson->Topics().empty(); ++i) {
        const platform::Rect area = lesson->Topics()[static_cast<size_t>(i) % lesson->Topics().size()].area;
        topicClicks.AddClick(
            TimedClick(app, {places::kPageX + area.left + 2, places::kPageY + (area.top + area.bottom) / 2}));
    }
    actions.push_back(topicClicks);

    // One step of the dwindle chart's slider while the user drags it: the
    // chart redrawn and the window repainted.
    EnterModule(app, 4);
    view.SendMessage(VM_CHART_DWINDLE);
    app.MainFrame()->Widget()->repaint();
    const std::vector<double> dwindleSteps =
        DragSteps(app, view.Pages().Get<ChartPage>(PageId::Chart)->InflationSlider().Widget());
    actions.push_back({"dwindle chart slider step", dwindleSteps});

    // Memory over time: the pages of money management shown in turn,
    // 10,000 times, beside what the first 100 switches left.
    EnterModule(app, 2);
    constexpr platform::UINT kMoneyPages[] = {VM_QUICK_START,     VM_SHOW_LIABILITIES,    VM_SHOW_NET_WORTH,
                                              VM_BUDGET_DETAILED, VM_SHOW_AVERAGE_BUDGET, VM_BUDGET_RESULTS,
                                              VM_SECTION_MAN2,    VM_LESSON_EMER};
    long after100 = 0;
    for (int i = 0; i < 10000; ++i) {
        view.SendMessage(VM_HIDE_PAGES);
        view.SendMessage(kMoneyPages[i % std::size(kMoneyPages)]);
        QCoreApplication::sendPostedEvents();
        app.MainFrame()->Widget()->repaint();
        if (i == 99)
            after100 = ResidentKb();
    }
    const long after10000 = ResidentKb();
    rusage self{};
    getrusage(RUSAGE_SELF, &self);
    const long tourPeakKb = self.ru_maxrss;

    app.ExitInstance();
    platform::SetClock(nullptr);

    const double startEmpty = Median(emptyMs);
    const double startProgram = Median(programMs);
    std::printf("\n%-38s %9s %9s %8s  (target: 99th percentile < %.1f ms)\n", "action", "median", "99th %",
                "x blit", kFrameMs);
    const auto printLine = [&](const char* name, const std::vector<double>& ms) {
        std::printf("%-38s %6.2f ms %6.2f ms %8.1f  %s\n", name, Median(ms), Percentile99(ms), Median(ms) / blit,
                    Percentile99(ms) < kFrameMs ? "met" : "MISSED");
    };
    for (const ActionTimes& action : actions) {
        printLine(action.name, action.ms);
        bool waited = false;
        for (size_t i = 0; i < action.ownMs.size(); ++i)
            waited = waited || action.ms[i] - action.ownMs[i] > 0.5;
        if (waited)
            printLine("  the same, less its deliberate waits", action.ownMs);
    }
    std::printf("\n%-38s %10s %10s %8s\n", "figure", "program", "floor", "ratio");
    std::printf("%-38s %8.1f ms %8.1f ms %8.2f  (target < 1.5)\n", "start-up to the painted main menu",
                startProgram, startEmpty, startProgram / startEmpty);
    std::printf("%-38s %8.2f ms %8.3f ms %8.1f  (target < 1.5 ms)\n", "median page switch (blit = floor)",
                Median(switchMedians), blit, Median(switchMedians) / blit);
    std::printf("%-38s %8.2f ms %8.3f ms %8.1f\n", "full repaint of the view (blit = floor)",
                Median(repaints), blit, Median(repaints) / blit);
    std::printf("%-38s %8.1f ms %8.1f ms %8.1f  (target < 150 ms)\n", "print request to the finished PDF",
                Median(prints), Median(emptyPdfs), Median(prints) / Median(emptyPdfs));
    std::printf("%-38s %8ld MB %8ld MB %8.3f  (target < 1.05)\n", "resident after 10,000 / 100 switches",
                after10000 / 1024, after100 / 1024, static_cast<double>(after10000) / after100);
    std::printf("%-38s %8ld MB %8ld MB %8.2f  (target < 1.3)\n", "peak resident memory, start-up",
                programKb / 1024, emptyKb / 1024, static_cast<double>(programKb) / emptyKb);
    std::printf("%-38s %8ld MB %8ld MB %8.2f  (target < 1.3)\n", "peak resident memory, after the tour",
                tourPeakKb / 1024, emptyKb / 1024, static_cast<double>(tourPeakKb) / emptyKb);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0)
        return std::strcmp(argv[2], "empty") == 0 ? EmptyWindowChild(argc, argv) : ProgramChild(argc, argv);
    return Measure(argc, argv);
}
