// The money entry field driven with real key and focus events: what it lets
// through, how it rounds, validates and formats, what its page hears, and
// when it speaks its hint.
#include "kit/FEdit.h"
#include "kit/Artwork.h"
#include "kit/Modules.h"
#include "kit/TopTenWindow.h"
#include "kit/ViewMessages.h"
#include "platform/Sound.h"
#include "tests/support/FakeApp.h"
#include "tests/support/Recorders.h"
#include "tests/support/Screen.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

using namespace platform;

namespace {

constexpr unsigned kBuzzMs = 300;

// A field whose hint timer the test fires instead of waiting for it.
class TestField : public FEdit {
public:
    using FEdit::FEdit;
    void FireHintTimer() { OnTimer(kHintTimer); }
};

class FEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(dir.path()).mkpath("locsounds");
        QDir(dir.path()).mkpath("disc/sounds");
        WriteWav(Path("locsounds/buzz.wav"), kBuzzMs);
        WriteWav(Path("disc/sounds/a31_22.wav"), 2000);
        app.contentLocation = Path("disc");
        app.discPresent = true;
        app.view->ShowWindow(SW_SHOW);
        page.MoveWindow(128, 51, 512, 434);
        page.ShowWindow(SW_SHOW);
        field.MoveWindow(100, 100, 80, 20);
        other.MoveWindow(100, 150, 80, 20);
        app.view->Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(app.view->Widget()));
        Grab(*app.view); // the first paint places the calculator pictures
        // Activation focused the first field; tests start with none focused.
        page.SetFocus();
        page.messages.clear();
        start = clock.now;
    }
    void TearDown() override { StopSound(); }

    std::string Path(const std::string& name) const { return dir.path().toStdString() + "/" + name; }
    void Type(const char* text) { QTest::keyClicks(field.Edit().Widget(), text); }
    // The buzz is the field's only synchronous sound: each one moves the clock.
    int Buzzes() const { return static_cast<int>((clock.now - start) / kBuzzMs); }
    // The hint path as a page builds it.
    std::string HintPath() const { return app.ContentPath() + "sounds\\a31_22.wav"; }

    QTemporaryDir dir;
    FakeApp app{dir.path().toStdString() + "/"};
    FakeClock clock;
    std::uint64_t start = 0;
    MessageLog page{app.view.get()};
    TestField field{&page};
    TestField other{&page};
};

} // namespace

TEST_F(FEditTest, LeavingAddsSeparatorsAndComingBackDropsThem)
{
    field.SetFocus();
    Type("1500");
    EXPECT_EQ(field.GetText(), "1500");
    EXPECT_EQ(page.Count(WM_FIELD_CHANGED), 4);

    other.SetFocus();
    EXPECT_EQ(field.GetText(), "1,500");
    ASSERT_EQ(page.Count(WM_FIELD_LEFT), 1);
    EXPECT_EQ(page.messages.back().second, reinterpret_cast<LPARAM>(static_cast<FEdit*>(&field)));
    EXPECT_EQ(page.Count(WM_FIELD_CHANGED), 4); // the field's own rewrite is no typing

    field.SetFocus();
    EXPECT_EQ(field.GetText(), "1500");
    Type("2");
    EXPECT_EQ(field.GetText(), "15002");
    field.SetText("000042");
    other.SetFocus();
    EXPECT_EQ(field.GetText(), "42");
    EXPECT_EQ(Buzzes(), 0);
}

TEST_F(FEditTest, ValueIsHeldBetweenMinimumAndMaximum)
{
    field.SetMaxValue(360);
    field.SetMinValue(12);
    field.SetFocus();
    Type("400");
    EXPECT_EQ(field.GetText(), "400"); // typing alone does not clamp
    EXPECT_EQ(Buzzes(), 0);
    other.SetFocus();
    EXPECT_EQ(field.GetText(), "360");
    EXPECT_EQ(Buzzes(), 1);

    // Reading the value validates too.
    field.SetText("999");
    EXPECT_EQ(field.GetIntValue(), 360);
    EXPECT_EQ(field.GetText(), "360");
    EXPECT_EQ(Buzzes(), 2);

    // Below the minimum is raised silently.
    field.SetText("5");
    EXPECT_EQ(field.GetIntValue(), 12);
    EXPECT_EQ(Buzzes(), 2);
}

TEST_F(FEditTest, DecimalFieldKeepsOnePoint)
{
    field.AllowDecimals(2);
    field.SetMaxValue(30);
    field.SetFocus();
    Type("7.2.5");
    EXPECT_EQ(field.GetText(), "7.25");
    EXPECT_DOUBLE_EQ(field.GetRealValue(), 7.25);
    EXPECT_EQ(field.GetIntValue(), 7);
    other.SetFocus();
    EXPECT_EQ(field.GetText(), "7.25");
    EXPECT_EQ(Buzzes(), 0);
}

TEST_F(FEditTest, WholeNumberFieldBuzzesAtAPointAndRoundsFractions)
{
    field.SetFocus();
    Type("12.");
    EXPECT_EQ(field.GetText(), "12");
    EXPECT_EQ(Buzzes(), 1);
    EXPECT_EQ(field.Edit().GetCaretPosition(), 2);

    // A fraction arriving at once (from the calculator) is rounded.
    const std::pair<const char*, const char*> cases[] = {
        {"12.7", "13"}, {"12.4", "12"}, {"99.5", "100"}, {"0.5", "1"}, {"1,2a3", "123"}};
    for (const auto& [handed, shown] : cases) {
        field.SetText(handed);
        EXPECT_EQ(field.GetText(), shown) << handed;
    }
    EXPECT_EQ(Buzzes(), 1);
}

TEST_F(FEditTest, TypingStopsAtNineCharactersAndProgramValuesShowWhole)
{
    field.SetFocus();
    Type("12345678901");
    EXPECT_EQ(field.GetText(), "123456789");
    field.Edit().SelectAll();
    Type("55");
    EXPECT_EQ(field.GetText(), "55");

    field.SetMaxValue(999999999);
    field.SetIntValue(123456789);
    EXPECT_EQ(field.GetText(), "123,456,789"); // longer than the limit, kept whole
    field.SetIntValue(-1);
    EXPECT_EQ(field.GetText(), "");
    EXPECT_EQ(field.GetIntValue(), 0);
    EXPECT_EQ(field.GetRealValue(), 0.0);
    EXPECT_EQ(page.Count(WM_FIELD_CHANGED), 11); // one for each key that changed the text
}

TEST_F(FEditTest, ProgramValueOutsideTheLimitsShowsTheNearerBound)
{
    // Such values come only from a damaged saved-work file.
    field.SetMinValue(1);
    field.SetMaxValue(45000);
    field.SetIntValue(2147483647);
    EXPECT_EQ(field.GetText(), "45,000");
    EXPECT_EQ(field.GetIntValue(), 45000);
    field.SetIntValue(-2147483647 - 1);
    EXPECT_EQ(field.GetText(), "1");
    field.SetIntValue(0);
    EXPECT_EQ(field.GetText(), "1");
    field.SetIntValue(-1);
    EXPECT_EQ(field.GetText(), "");
    field.SetIntValue(12345);
    EXPECT_EQ(field.GetText(), "12,345");
}

TEST_F(FEditTest, EnteringSelectsZeroAndLeavesEmptyAlone)
{
    field.SetIntValue(0);
    field.SetFocus();
    EXPECT_EQ(field.Edit().GetSelectedText(), "0");
    Type("8");
    EXPECT_EQ(field.GetText(), "8");

    other.SetFocus();
    field.SetFocus();
    EXPECT_EQ(other.GetText(), "");
}

TEST_F(FEditTest, CalculatorPictureIsDrawnInsideTheField)
{
    Bitmap icon;
    app.Art().LoadBitmapByName(icon, "idb_calcul");
    ASSERT_FALSE(icon.IsEmpty());
    int x = 0, y = 2; // a pixel of the picture that the white field does not have
    while (y < icon.GetSize().cy && icon.PixelAt(x, y) == RGB(255, 255, 255)) {
        x = (x + 1) % icon.GetSize().cx;
        y += x == 0;
    }
    ASSERT_LT(y, icon.GetSize().cy);
    EXPECT_EQ(PixelOf(field.Edit().Widget()->grab().toImage(), 50 + x, y - 2), icon.PixelAt(x, y));

    // A field for amounts above a million carries it further right.
    TestField wide{&page};
    wide.SetMaxValue(9999999);
    wide.MoveWindow(100, 200, 90, 20);
    Grab(*app.view);
    EXPECT_EQ(PixelOf(wide.Edit().Widget()->grab().toImage(), 60 + x, y - 2), icon.PixelAt(x, y));
}

TEST_F(FEditTest, HintPlaysOncePerShowingOfThePage)
{
    field.SetHintSound(HintPath());
    field.SetFocus();
    EXPECT_TRUE(field.HasTimer(FEdit::kHintTimer));
    field.FireHintTimer();
    EXPECT_EQ(CurrentSound(), Path("disc/sounds/a31_22.wav"));
    EXPECT_FALSE(field.HasTimer(FEdit::kHintTimer));

    // Coming back stops the sound and does not repeat the hint...
    other.SetFocus();
    field.SetFocus();
    EXPECT_EQ(CurrentSound(), "");
    field.FireHintTimer();
    EXPECT_EQ(CurrentSound(), "");
    // ... until the page is shown again.
    field.PageShown();
    field.FireHintTimer();
    EXPECT_EQ(CurrentSound(), Path("disc/sounds/a31_22.wav"));
    EXPECT_EQ(app.discRequests, 0);
}

TEST_F(FEditTest, HintWaitsWhileItMayNotPlay)
{
    field.SetFocus();
    field.FireHintTimer(); // no hint sound
    EXPECT_EQ(CurrentSound(), "");
    field.SetHintSound(HintPath());
    app.Flags().currentModule = ModuleExit;
    field.FireHintTimer();
    EXPECT_EQ(CurrentSound(), "");
    app.Flags().currentModule = ModuleMoney;

    TopTenWindow topTen(app.view.get());
    app.Windows().topTen = &topTen;
    topTen.ShowWindow(SW_SHOW);
    field.FireHintTimer();
    EXPECT_EQ(CurrentSound(), "");
    // The timer keeps running, so the hint comes once the window is gone.
    EXPECT_TRUE(field.HasTimer(FEdit::kHintTimer));
    topTen.ShowWindow(SW_HIDE);
    field.FireHintTimer();
    EXPECT_NE(CurrentSound(), "");
    app.Windows().topTen = nullptr;

    // Typing, leaving the field and hiding the page stop the timer.
    other.SetFocus();
    EXPECT_FALSE(field.HasTimer(FEdit::kHintTimer));
    field.SetFocus();
    Type("3");
    EXPECT_FALSE(field.HasTimer(FEdit::kHintTimer));
    other.SetFocus();
    other.PageHidden();
    EXPECT_FALSE(other.HasTimer(FEdit::kHintTimer));
}

TEST_F(FEditTest, MissingDiscIsAskedForAndDecliningSkipsTheHint)
{
    app.discPresent = false;
    field.SetHintSound(HintPath());
    other.SetHintSound(HintPath());
    field.SetFocus();
    field.FireHintTimer();
    EXPECT_EQ(app.discRequests, 1);
    EXPECT_TRUE(app.Flags().discDeclined);
    EXPECT_EQ(CurrentSound(), "");

    // Once declined, hints play without asking.
    other.SetFocus();
    other.FireHintTimer();
    EXPECT_EQ(app.discRequests, 1);
    EXPECT_NE(CurrentSound(), "");

    // A disc put in when asked lets the hint play.
    app.Flags().discDeclined = false;
    app.discAnswer = true;
    field.SetFocus();
    field.FireHintTimer();
    EXPECT_EQ(app.discRequests, 2);
    EXPECT_FALSE(app.Flags().discDeclined);
    EXPECT_TRUE(field.HintPlayed());
}

TEST_F(FEditTest, RandomTypingNeverLeavesAForbiddenText)
{
    std::mt19937 random(1109);
    const std::string alphabet = "0123456789..,-a 5";
    const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Home, Qt::Key_End};
    QWidget* edit = field.Edit().Widget();
    for (const bool decimals : {false, true}) {
        if (decimals)
            field.AllowDecimals(2);
        const std::string allowed = decimals ? "0123456789." : "0123456789";
        for (int sequence = 0; sequence < 1500; ++sequence) {
            field.SetIntValue(-1);
            field.SetFocus();
            for (int step = 1 + static_cast<int>(random() % 14); step > 0; --step) {
                const unsigned choice = random() % 20;
                if (choice < 12) {
                    QTest::keyClick(edit, alphabet[random() % alphabet.size()]);
                } else if (choice < 16) {
                    QTest::keyClick(edit, keys[random() % 5]);
                } else if (choice == 16) {
                    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
                } else if (choice == 17) {
                    other.SetFocus();
                    field.SetFocus();
                } else { // what the calculator may hand over: up to eight characters
                    std::string handed;
                    for (unsigned n = random() % 9; n > 0; --n)
                        handed += alphabet[random() % alphabet.size()];
                    field.SetText(handed);
                }
                const std::string text = field.GetText();
                ASSERT_LE(text.size(), 9u) << text;
                ASSERT_EQ(text.find_first_not_of(allowed), std::string::npos) << text;
                ASSERT_LE(std::count(text.begin(), text.end(), '.'), 1) << text;
            }
            other.SetFocus();
            const std::string shown = field.GetText();
            ASSERT_LE(shown.size(), 9u) << shown;
            ASSERT_EQ(shown.find_first_not_of(allowed + ","), std::string::npos) << shown;
            ASSERT_LE(field.GetRealValue(), 999999.0) << shown;
        }
    }
}
