#include "tests/reliability/RandomWalk.h"

#include "app/CFinView.h"
#include "app/CMainFrame.h"
#include "app/ChooserPage.h"
#include "app/PageSets.h"
#include "kit/Modules.h"
#include "platform/Shell.h"
#include "platform/Window.h"
#include "tests/reliability/FieldLimits.h"
#include "tests/support/Driver.h"
#include "tests/support/Places.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QWidget>
#include <cstring>
#include <iterator>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr size_t kWholeRecord = sizeof(FinRecord);

// What the user may type: digits, the characters of amounts, some letters.
constexpr char kTyped[] = "0123456789$,.-abcXYZ %";

constexpr Qt::Key kKeys[] = {Qt::Key_Tab,    Qt::Key_Backtab,   Qt::Key_Return,   Qt::Key_Enter,
                             Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Delete,   Qt::Key_Left,
                             Qt::Key_Right,  Qt::Key_Up,        Qt::Key_Down,     Qt::Key_Home,
                             Qt::Key_End,    Qt::Key_PageUp,    Qt::Key_PageDown, Qt::Key_Space,
                             Qt::Key_F1,     Qt::Key_A,         Qt::Key_5};

// The places that lead somewhere: the main menu, the side buttons, the top
// band and the navigation bar (its print button asks for a report). The
// exit items are left to the clicks anywhere and the close box, so that the
// walk goes deep between its quits.
const QPoint kPlaces[] = {
    {places::kMenuItemX, places::MenuItemY(1)},
    {places::kMenuItemX, places::MenuItemY(2)},
    {places::kMenuItemX, places::MenuItemY(3)},
    {places::kMenuItemX, places::MenuItemY(4)},
    {places::kMenuItemX, places::MenuItemY(5)},
    {places::kSideX, places::kSectionY[0]},
    {places::kSideX, places::kSectionY[1]},
    {places::kSideX, places::kSectionY[2]},
    {places::kSideX, places::kSectionY[3]},
    {places::kSideX, places::kMainMenuY},
    {places::kSideX, places::kWebY},
    places::kTopTen,
    places::kVideo,
    places::kBareBand,
    places::kNavPrint,
    places::kNavBack,
    places::kNavNext,
    places::kNavNext,
};

// How often each kind of event comes, out of the sum.
struct EventKind {
    int weight;
    void (RandomWalk::*send)();
};

void Deliver()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

} // namespace

RandomWalk::RandomWalk(unsigned seed) : rng_(seed)
{
    platform::SetMessageBoxHandler(&boxes_);
    // The web side button opens nothing on the machine.
    platform::SetShellHandler([](const std::string&) { return true; });
    Start({});
}

RandomWalk::~RandomWalk()
{
    program_.reset();
    platform::SetShellHandler({});
    platform::SetMessageBoxHandler(nullptr);
}

void RandomWalk::Start(const std::string& savedWork)
{
    program_ = std::make_unique<RunningProgram>();
    if (!savedWork.empty())
        WriteFileBytes(program_->folder().SavedWorkFile(), savedWork);
}

void RandomWalk::Restart()
{
    const std::string path = program_->folder().SavedWorkFile();
    const std::string saved =
        QFile::exists(QString::fromStdString(path)) ? ReadFileBytes(path) : std::string();
    program_.reset();
    Start(saved);
    ++restarts_;
}

bool RandomWalk::Step()
{
    static constexpr EventKind kKinds[] = {
        {30, &RandomWalk::ClickAnywhere}, {24, &RandomWalk::ClickPlace}, {10, &RandomWalk::ClickControl},
        {4, &RandomWalk::Drag},           {12, &RandomWalk::TypeText},   {8, &RandomWalk::PressKey},
        {8, &RandomWalk::MoveMouse},      {2, &RandomWalk::SwitchAway},  {1, &RandomWalk::IconifyAndRestore},
        {1, &RandomWalk::MoveWindow},     {1, &RandomWalk::CloseBox},
    };
    int total = 0;
    for (const EventKind& kind : kKinds)
        total += kind.weight;
    int pick = std::uniform_int_distribution<int>(0, total - 1)(rng_);
    for (const EventKind& kind : kKinds) {
        if (pick < kind.weight) {
            (this->*kind.send)();
            break;
        }
        pick -= kind.weight;
    }
    ++events_;
    if (program_->app().Flags().exiting)
        Restart();
    Check();
    return problems_.empty();
}

std::vector<std::string> RandomWalk::PagesNotSeen() const
{
    std::vector<std::string> missing;
    for (const auto& [id, page] : program_->view().Pages().Existing()) {
        (void)id;
        if (!seenNames_.count(page->DescribeWindow()))
            missing.push_back(page->DescribeWindow());
    }
    return missing;
}

QPoint RandomWalk::AnyPoint()
{
    return {std::uniform_int_distribution<int>(0, kWidth - 1)(rng_),
            std::uniform_int_distribution<int>(0, kHeight - 1)(rng_)};
}

void RandomWalk::Press(QPoint at)
{
    QWidget* target = TargetAt(program_->app().MainFrame()->Widget(), at);
    SendMouseMove(target, at);
    QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, at);
    Deliver();
}

void RandomWalk::Release(QPoint at)
{
    QWidget* target = TargetAt(program_->app().MainFrame()->Widget(), at);
    QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, at);
    Deliver();
}

void RandomWalk::Click(QPoint at)
{
    Press(at);
    // The press may have hidden what was under the pointer.
    if (program_->app().Flags().exiting)
        return;
    Release(at);
}

void RandomWalk::ClickAnywhere()
{
    Click(AnyPoint());
}

void RandomWalk::ClickPlace()
{
    // A chooser on screen is mostly answered: its choices lead on.
    ChooserPage* chooser = program_->view().Chooser();
    if (chooser && chooser->IsWindowVisible() && chooser->ChoiceCount() > 0 && rng_() % 4 != 0) {
        const ImageButton& b =
            chooser->Choice(std::uniform_int_distribution<int>(0, chooser->ChoiceCount() - 1)(rng_));
        Click({places::kPageX + b.X() + b.Width() / 2, places::kPageY + b.Y() + b.Height() / 2});
        return;
    }
    Click(kPlaces[std::uniform_int_distribution<size_t>(0, std::size(kPlaces) - 1)(rng_)]);
}

void RandomWalk::ClickControl()
{
    QWidget* frame = program_->app().MainFrame()->Widget();
    std::vector<QWidget*> controls;
    for (QWidget* w : frame->findChildren<QWidget*>()) {
        if (w->isVisible() && (qobject_cast<QLineEdit*>(w) || qobject_cast<QCheckBox*>(w) ||
                               qobject_cast<QComboBox*>(w) || qobject_cast<QSlider*>(w)))
            controls.push_back(w);
    }
    if (controls.empty()) {
        ClickAnywhere();
        return;
    }
    QWidget* control = controls[std::uniform_int_distribution<size_t>(0, controls.size() - 1)(rng_)];
    const QPoint inside(std::uniform_int_distribution<int>(0, std::max(0, control->width() - 1))(rng_),
                        std::uniform_int_distribution<int>(0, std::max(0, control->height() - 1))(rng_));
    Click(control->mapTo(frame, inside));
}

void RandomWalk::Drag()
{
    const QPoint from = AnyPoint();
    Press(from);
    if (program_->app().Flags().exiting)
        return;
    const QPoint to = AnyPoint();
    QPoint local = to;
    QWidget* target = TargetAt(program_->app().MainFrame()->Widget(), local);
    SendMouseMove(target, local, Qt::LeftButton);
    Deliver();
    Release(to);
}

void RandomWalk::TypeText()
{
    std::string text;
    const int length = std::uniform_int_distribution<int>(1, 12)(rng_);
    for (int i = 0; i < length; ++i)
        text.push_back(kTyped[std::uniform_int_distribution<size_t>(0, sizeof kTyped - 2)(rng_)]);
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClicks(focus ? focus : program_->app().MainFrame()->Widget(), QString::fromStdString(text));
    Deliver();
}

void RandomWalk::PressKey()
{
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : program_->app().MainFrame()->Widget(),
                    kKeys[std::uniform_int_distribution<size_t>(0, std::size(kKeys) - 1)(rng_)]);
    Deliver();
}

void RandomWalk::MoveMouse()
{
    QPoint at = AnyPoint();
    QWidget* target = TargetAt(program_->app().MainFrame()->Widget(), at);
    SendMouseMove(target, at);
    Deliver();
}

void RandomWalk::SwitchAway()
{
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    Deliver();
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    Deliver();
}

void RandomWalk::IconifyAndRestore()
{
    QWidget* frame = program_->app().MainFrame()->Widget();
    frame->setWindowState(frame->windowState() | Qt::WindowMinimized);
    Deliver();
    frame->setWindowState(frame->windowState() & ~Qt::WindowMinimized);
    Deliver();
}

void RandomWalk::MoveWindow()
{
    QWidget* frame = program_->app().MainFrame()->Widget();
    frame->move(std::uniform_int_distribution<int>(0, 300)(rng_),
                std::uniform_int_distribution<int>(0, 200)(rng_));
    Deliver();
}

void RandomWalk::CloseBox()
{
    program_->app().MainFrame()->Widget()->close();
    Deliver();
}

void RandomWalk::Check()
{
    const std::string where = "after event " + std::to_string(events_) + ": ";
    if (boxes_.count > 0) {
        problems_.push_back(where + "a message box the walk did not expect");
        boxes_.count = 0;
    }
    const std::string path = program_->folder().SavedWorkFile();
    if (QFile::exists(QString::fromStdString(path))) {
        const std::string bytes = ReadFileBytes(path);
        if (bytes.size() != kWholeRecord) {
            problems_.push_back(where + "the saved-work file has " + std::to_string(bytes.size()) + " bytes");
        } else {
            FinRecord record;
            std::memcpy(&record, bytes.data(), sizeof record);
            for (const std::string& field : SavedFieldsOutsideLimits(record))
                problems_.push_back(where + "saved " + field);
        }
    }
    for (const std::string& field : ShownFieldsOutsideLimits(*program_->app().MainFrame()))
        problems_.push_back(where + field);
    if (PageWindow* shown = program_->view().Pages().Shown())
        seenNames_.insert(shown->DescribeWindow());
}
