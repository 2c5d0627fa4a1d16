// A random walk of the real program: from a fixed seed, synthetic events of
// every kind a user or the desktop sends (clicks anywhere and on the places
// that matter, presses and releases on controls, typing into whatever field
// has the focus, keys, moves, deactivation and activation, iconify and
// restore, window moves, the close box, print requests). When the walk
// quits the program through the exit screen it starts it again on the same
// saved work. After every event it checks what the program shows and saved.
#pragma once

#include "tests/support/Recorders.h"
#include "tests/support/TestProgram.h"

#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

class QWidget;

class RandomWalk {
public:
    explicit RandomWalk(unsigned seed);
    ~RandomWalk();

    // Sends one event and checks the program after it; false (with the
    // problem in Problems()) when a check fails.
    bool Step();

    const std::vector<std::string>& Problems() const { return problems_; }
    long Events() const { return events_; }
    int Restarts() const { return restarts_; }
    int ReportsPrinted() const { return boxes_.reportNotes; }
    // The pages the walk has seen on screen, and every page that exists.
    size_t PagesSeen() const { return seenNames_.size(); }
    std::vector<std::string> PagesNotSeen() const;

private:
    void Start(const std::string& savedWork);
    void Restart();
    // One event of each kind.
    void ClickAnywhere();
    void ClickPlace();
    void ClickControl();
    void Drag();
    void TypeText();
    void PressKey();
    void MoveMouse();
    void SwitchAway();
    void IconifyAndRestore();
    void MoveWindow();
    void CloseBox();
    // Input as the desktop delivers it to the widget under a point of the
    // main window.
    void Press(QPoint at);
    void Release(QPoint at);
    void Click(QPoint at);
    void Check();
    QPoint AnyPoint();

    std::mt19937 rng_;
    FakeClock clock_;
    ReportingBoxes boxes_;
    std::unique_ptr<RunningProgram> program_;
    std::vector<std::string> problems_;
    std::set<std::string> seenNames_;
    long events_ = 0;
    int restarts_ = 0;
};
