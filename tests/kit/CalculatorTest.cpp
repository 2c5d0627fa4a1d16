// The on-screen calculator driven from a money field with real clicks and
// keys: where it opens, its arithmetic and error animation, and how its
// result (or nothing) reaches the field.
#include "kit/Calculator.h"
#include "kit/Artwork.h"
#include "kit/FEdit.h"
#include "kit/Modules.h"
#include "tests/support/FakeApp.h"
#include "tests/support/Recorders.h"
#include "tests/support/Screen.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr unsigned kClickMs = 40;

// A clock that takes no time and tells the test about every wait.
class WatchingClock : public FakeClock {
public:
    void Sleep(unsigned ms) override
    {
        FakeClock::Sleep(ms);
        waits.push_back(ms);
        if (onWait)
            onWait(ms);
    }
    int Count(unsigned ms) const { return static_cast<int>(std::count(waits.begin(), waits.end(), ms)); }
    std::vector<unsigned> waits;
    std::function<void(unsigned)> onWait;
};

// Points inside keys, from their places in the calculator.
constexpr QPoint kKey1{15, 84};
constexpr QPoint kKey2{32, 84};
constexpr QPoint kKey5{32, 67};
constexpr QPoint kPlus{66, 101};
constexpr QPoint kEnter{57, 118};
constexpr QPoint kCancel{23, 118};

class CalculatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(dir.path()).mkpath("locsounds");
        WriteWav(dir.path().toStdString() + "/locsounds/click.wav", kClickMs);
        app.view->ShowWindow(SW_SHOW);
        page.MoveWindow(128, 51, 512, 434);
        page.ShowWindow(SW_SHOW);
        field.MoveWindow(100, 100, 80, 20);
        other.MoveWindow(100, 150, 80, 20);
        app.Windows().calculator = &calculator;
        app.view->Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(app.view->Widget()));
        Grab(*app.view); // the first paint places the calculator pictures
    }
    void TearDown() override { app.Windows().calculator = nullptr; }

    // Opens the calculator from the field's picture.
    void Open(FEdit& from)
    {
        QTest::mouseClick(from.Edit().Widget(), Qt::LeftButton, {}, QPoint(55, 6));
        ASSERT_TRUE(calculator.IsWindowVisible());
        Grab(calculator);
    }
    void Keys(const char* keys) { QTest::keyClicks(calculator.Widget(), keys); }
    void Click(QPoint at) { QTest::mouseClick(calculator.Widget(), Qt::LeftButton, {}, at); }
    QImage DisplayImage() { return calculator.Widget()->grab().toImage().copy(10, 10, 62, 17); }
    // The displays shown during the error animation's steps.
    std::vector<std::string> ErrorSteps(const char* keys)
    {
        std::vector<std::string> shown;
        clock.onWait = [&](unsigned ms) {
            if (ms == 300)
                shown.push_back(calculator.Display());
        };
        Keys(keys);
        clock.onWait = nullptr;
        return shown;
    }

    QTemporaryDir dir;
    FakeApp app{dir.path().toStdString() + "/"};
    WatchingClock clock;
    Window page{app.view.get()};
    FEdit field{&page};
    FEdit other{&page};
    Calculator calculator{app.view.get()};
};

const std::vector<std::string> kErrorAnimation{"Error!", " Error!", "Error!", " Error!"};

} // namespace

TEST_F(CalculatorTest, OpensAtTheFieldsCornerInsideTheProgram)
{
    EXPECT_EQ(app.Flags().currentModule, ModuleMoney); // restored after loading the calculator's art
    field.SetIntValue(1500);
    QTest::mouseClick(field.Edit().Widget(), Qt::LeftButton, {}, QPoint(10, 6)); // beside the picture
    EXPECT_FALSE(calculator.IsWindowVisible());

    Open(field);
    EXPECT_TRUE(app.Flags().calculatorOpen);
    EXPECT_EQ(calculator.Target(), &field);
    EXPECT_EQ(calculator.GetWindowRect(), (Rect{228, 151, 228 + 83, 151 + 129}));
    EXPECT_EQ(calculator.Display(), "1500");
    EXPECT_TRUE(calculator.HasFocus());
    EXPECT_FALSE(field.HasTimer(FEdit::kHintTimer));
    Keys("7"); // the first digit replaces the starting value
    EXPECT_EQ(calculator.Display(), "7");

    calculator.ShowAt(600, 450);
    EXPECT_EQ(calculator.GetWindowRect(), (Rect{557, 351, 640, 480}));
    calculator.ShowAt(600, 20);
    EXPECT_EQ(calculator.GetWindowRect(), (Rect{557, 20, 640, 149}));
}

TEST_F(CalculatorTest, EnterHandsTheResultToTheFieldAfterAPause)
{
    field.AllowDecimals(2);
    Open(field);
    Keys("10/4");
    clock.waits.clear();
    QTest::keyClick(calculator.Widget(), Qt::Key_Return);
    EXPECT_FALSE(calculator.IsWindowVisible());
    EXPECT_EQ(field.GetText(), "2.5");
    EXPECT_TRUE(field.HasFocus());
    // The key shows pressed for 100 ms, the result stays 220 ms.
    EXPECT_EQ(clock.waits, (std::vector<unsigned>{100, 220}));

    Open(other);
    Keys("10/4=");
    EXPECT_EQ(other.GetText(), "3"); // a whole-number field rounds it
    Open(field);
    Keys("10/.5=");
    EXPECT_EQ(field.GetText(), "20");
}

TEST_F(CalculatorTest, ResultAboveTheLargestShowsTheErrorAndGivesTheLargest)
{
    Open(field);
    Keys("1000*1000");
    EXPECT_EQ(ErrorSteps("="), kErrorAnimation);
    EXPECT_EQ(field.GetText(), "999999");
}

TEST_F(CalculatorTest, DivisionByZeroLeavesTheErrorOnTheScreen)
{
    field.SetIntValue(77);
    Open(field);
    Keys("10/0");
    const QImage zero = DisplayImage();
    // The next operator evaluates the division.
    EXPECT_EQ(ErrorSteps("+"), kErrorAnimation);
    const QImage error = DisplayImage();
    EXPECT_NE(error, zero);
    Keys("5");
    EXPECT_NE(DisplayImage(), error);
    EXPECT_EQ(calculator.Display(), "5");

    // Escape closes without writing into the field, which has the keys again.
    QTest::keyClick(calculator.Widget(), Qt::Key_Escape);
    EXPECT_FALSE(calculator.IsWindowVisible());
    EXPECT_EQ(field.GetText(), "77");
    EXPECT_TRUE(field.HasFocus());
}

TEST_F(CalculatorTest, KeyboardEditsTheDisplay)
{
    Open(field);
    Keys("12345678");
    EXPECT_EQ(calculator.Display(), "1234567");
    EXPECT_EQ(clock.Count(kClickMs), 7); // the eighth digit is ignored silently
    const std::pair<const char*, const char*> steps[] = {{"#", "0"},  {".", "0."}, {"5.", "0.5"}, {"<", "0."},
                                                         {"\b", "0"}, {"\b", "0"}, {"9<", "0"}};
    for (const auto& [keys, shown] : steps) {
        if (keys[0] == '\b')
            QTest::keyClick(calculator.Widget(), Qt::Key_Backspace);
        else
            Keys(keys);
        EXPECT_EQ(calculator.Display(), shown) << keys;
    }
    Keys("8+3#4="); // clear keeps the pending operation
    EXPECT_EQ(field.GetText(), "12");
}

TEST_F(CalculatorTest, MouseWorksThePictureKeys)
{
    Bitmap up, down;
    app.Flags().currentModule = ModuleMainMenu;
    app.Art().LoadBitmapByName(up, "IDB_5_OFF");
    app.Art().LoadBitmapByName(down, "IDB_5_DWN");
    app.Flags().currentModule = ModuleMoney;
    int x = 0, y = 0; // a pixel where the two pictures of key 5 differ
    while (y < up.GetSize().cy && up.PixelAt(x, y) == down.PixelAt(x, y)) {
        x = (x + 1) % up.GetSize().cx;
        y += x == 0;
    }
    ASSERT_LT(y, up.GetSize().cy);
    auto shown = [&] { return PixelOf(calculator.Widget()->grab().toImage(), 24 + x, 59 + y); };

    Open(field);
    EXPECT_EQ(shown(), up.PixelAt(x, y));
    // Pressed, the key shows its down picture; released elsewhere it does nothing.
    QTest::mousePress(calculator.Widget(), Qt::LeftButton, {}, kKey5);
    EXPECT_EQ(shown(), down.PixelAt(x, y));
    QTest::mouseRelease(calculator.Widget(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(shown(), up.PixelAt(x, y));
    EXPECT_EQ(calculator.Display(), "");

    Click(kKey5);

    // A double click (press, release, double click, release) acts twice.
    Click(kKey1);
    QTest::mouseDClick(calculator.Widget(), Qt::LeftButton, {}, kKey1);
    QTest::mouseRelease(calculator.Widget(), Qt::LeftButton, {}, kKey1);
    EXPECT_EQ(calculator.Display(), "511");
    Click(kPlus);
    Click(kKey2);
    Click(kEnter);
    EXPECT_EQ(field.GetText(), "513");
}

TEST_F(CalculatorTest, CancelKeepsTheFieldAndLosingActivationTransfers)
{
    field.SetIntValue(40);
    Open(field);
    Keys("9");
    Click(kCancel);
    QCoreApplication::processEvents();
    EXPECT_FALSE(calculator.IsWindowVisible());
    EXPECT_EQ(field.GetText(), "40");
    EXPECT_TRUE(field.HasFocus()); // typing goes on in the field

    // The view or a page dismisses it when the user clicks elsewhere.
    Open(field);
    Keys("42");
    DismissCalculator();
    EXPECT_FALSE(calculator.IsWindowVisible());
    EXPECT_EQ(field.GetText(), "42");
    EXPECT_TRUE(field.HasFocus());

    // A click into another field hands the display over and focuses that field.
    Open(field);
    Keys("7");
    QTest::mouseClick(other.Edit().Widget(), Qt::LeftButton, {}, QPoint(10, 6));
    EXPECT_FALSE(calculator.IsWindowVisible());
    EXPECT_EQ(field.GetText(), "7");
    EXPECT_TRUE(other.HasFocus());

    // Reopening keeps the pending operation but starts from "0".
    Open(field);
    Keys("5+");
    QTest::keyClick(calculator.Widget(), Qt::Key_Escape);
    Open(field);
    EXPECT_EQ(calculator.PendingOperation(), Calculator::Operation::Add);
    Keys("=");
    EXPECT_EQ(field.GetText(), "7");
}
