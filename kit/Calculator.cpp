#include "kit/Calculator.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/Modules.h"
#include "kit/NumberFormat.h"
#include "kit/ProgramSounds.h"
#include "kit/ViewMessages.h"
#include "platform/Keys.h"
#include "platform/Timing.h"

#include <cstdlib>
#include <utility>

using namespace platform;

namespace {

enum class Action { Digit, Point, Back, Clear, Add, Subtract, Multiply, Divide, Enter, Cancel };

struct Key {
    char character; // the keyboard character that works it (0: none)
    UINT button;
    const char* up;
    const char* down;
    int x;
    int y;
    Action action;
};

constexpr Key kKeyTable[Calculator::kKeys] = {
    {'0', 1096, "IDB_0_OFF", "IDB_0_DWN", 8, 94, Action::Digit},
    {'1', 1089, "IDB_1_OFF", "IDB_1_DWN", 7, 76, Action::Digit},
    {'2', 1090, "IDB_2_OFF", "IDB_2_DWN", 24, 76, Action::Digit},
    {'3', 1091, "IDB_3_OFF", "IDB_3_DWN", 41, 76, Action::Digit},
    {'4', 1092, "IDB_4_OFF", "IDB_4_DWN", 7, 59, Action::Digit},
    {'5', 1093, "IDB_5_OFF", "IDB_5_DWN", 24, 59, Action::Digit},
    {'6', 1094, "IDB_6_OFF", "IDB_6_DWN", 41, 59, Action::Digit},
    {'7', 1086, "IDB_7_OFF", "IDB_7_DWN", 7, 42, Action::Digit},
    {'8', 1087, "IDB_8_OFF", "IDB_8_DWN", 24, 42, Action::Digit},
    {'9', 1088, "IDB_9_OFF", "IDB_9_DWN", 41, 42, Action::Digit},
    {'*', 1032, "IDB_mult_off", "IDB_mult_dwn", 58, 59, Action::Multiply},
    {'+', 1033, "IDB_pls_off", "IDB_pls_dwn", 58, 93, Action::Add},
    {'-', 1034, "IDB_sub_off", "IDB_sub_dwn", 58, 76, Action::Subtract},
    {'=', 1, "IDB_ent_off", "IDB_ent_dwn", 41, 110, Action::Enter},
    {'/', 1036, "IDB_div_off", "IDB_div_dwn", 58, 42, Action::Divide},
    {'.', 1031, "IDB_dec_off", "IDB_dec_dwn", 41, 93, Action::Point},
    {'#', 1035, "IDB_clr_off", "IDB_clr_dwn", 7, 30, Action::Clear},
    {'<', 1019, "IDB_bak_off", "IDB_bak_dwn", 41, 30, Action::Back},
    {0, 1095, "IDB_can_off", "IDB_can_dwn", 7, 110, Action::Cancel},
};

// The program's world is the frame's client area.
constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

constexpr size_t kLongestTyped = 7;
constexpr double kLargestResult = 999999;
constexpr const char* kLargestText = "999999";

constexpr const char* kErrorSteps[] = {"Error!", " Error!", "Error!", " Error!"};
constexpr unsigned kErrorStepMs = 300;
constexpr unsigned kResultPauseMs = 220;
constexpr unsigned kKeyPressMs = 100;

constexpr Rect kDisplayBox{10, 10, 72, 27};
constexpr int kDisplayRight = 68;
constexpr int kDisplayTop = 11;

int KeyOfCharacter(UINT character)
{
    for (int i = 0; i < Calculator::kKeys; ++i) {
        if (kKeyTable[i].character != 0 && static_cast<unsigned char>(kKeyTable[i].character) == character)
            return i;
    }
    return -1;
}

double ReadNumber(const std::string& text)
{
    return std::strtod(text.c_str(), nullptr);
}

} // namespace

Calculator::Calculator(Window* frame) : Window(frame)
{
    SetWindowText("IDD_Calc");
    MoveWindow(0, 0, kWidth, kHeight);
}

void Calculator::OnShowWindow(bool show)
{
    // The calculator's art is the program's own, read when it first shows.
    if (!show || artRead_)
        return;
    artRead_ = true;
    App().Art().LoadOwnBitmap(background_, "IDB_cal_bk");
    for (int i = 0; i < kKeys; ++i) {
        App().Art().LoadOwnBitmap(keyUp_[i], kKeyTable[i].up);
        App().Art().LoadOwnBitmap(keyDown_[i], kKeyTable[i].down);
    }
}

void Calculator::SetTarget(Window* field, std::function<void(const std::string&)> typeText)
{
    target_ = field;
    typeText_ = std::move(typeText);
}

void Calculator::SetStartValue(const std::string& text)
{
    newEntry_ = true;
    display_ = text;
    previous_ = "0";
    Invalidate();
}

void Calculator::ShowAt(int x, int y)
{
    if (x + kWidth > kScreenWidth)
        x = kScreenWidth - kWidth;
    if (y + kHeight > kScreenHeight)
        y = kScreenHeight - kHeight;
    MoveWindow(x, y, kWidth, kHeight);
    ShowWindow(SW_SHOW);
    SetFocus();
}

void Calculator::Deactivate()
{
    if (IsWindowVisible() && !hiding_)
        Transfer();
}

void Calculator::OnKillFocus()
{
    Deactivate();
}

// --- Keys --------------------------------------------------------------------

Rect Calculator::KeyRect(int index) const
{
    const Key& key = kKeyTable[index];
    const Size size = keyUp_[index].GetSize();
    return {key.x, key.y, key.x + size.cx, key.y + size.cy};
}

int Calculator::KeyAt(Point point) const
{
    for (int i = 0; i < kKeys; ++i) {
        if (KeyRect(i).Contains(point))
            return i;
    }
    return -1;
}

void Calculator::OnLButtonDown(UINT, Point point)
{
    pressedKey_ = KeyAt(point);
    pressedShown_ = pressedKey_ >= 0;
    if (pressedShown_)
        RedrawKey(pressedKey_, true);
}

void Calculator::OnLButtonDblClk(UINT flags, Point point)
{
    // The second click of a double click is a click of its own.
    OnLButtonDown(flags, point);
}

void Calculator::OnMouseMove(UINT, Point point)
{
    if (pressedKey_ < 0)
        return;
    const bool inside = KeyRect(pressedKey_).Contains(point);
    if (inside != pressedShown_) {
        pressedShown_ = inside;
        RedrawKey(pressedKey_, inside);
    }
}

void Calculator::OnLButtonUp(UINT, Point point)
{
    const int index = std::exchange(pressedKey_, -1);
    if (index < 0)
        return;
    pressedShown_ = false;
    RedrawKey(index, false);
    if (KeyRect(index).Contains(point))
        Act(index);
}

void Calculator::OnKeyDown(UINT key)
{
    // Characters arrive through OnChar; these keys type none that the
    // calculator reads.
    if (key == VK_ESCAPE)
        Close();
    else if (key == VK_RETURN)
        PressBriefly(KeyOfCharacter('='));
    else if (key == VK_BACK)
        PressBriefly(KeyOfCharacter('<'));
}

void Calculator::OnChar(UINT character)
{
    const int index = KeyOfCharacter(character);
    if (index >= 0)
        PressBriefly(index);
}

void Calculator::PressBriefly(int index)
{
    RedrawKey(index, true);
    BusyWait(kKeyPressMs);
    RedrawKey(index, false);
    Act(index);
}

void Calculator::Act(int index)
{
    const Key& key = kKeyTable[index];
    switch (key.action) {
    case Action::Digit:
        Digit(key.character);
        break;
    case Action::Point:
        DecimalPoint();
        break;
    case Action::Back:
        Backspace();
        break;
    case Action::Clear:
        Clear();
        break;
    case Action::Add:
        OperatorKey(Operation::Add);
        break;
    case Action::Subtract:
        OperatorKey(Operation::Subtract);
        break;
    case Action::Multiply:
        OperatorKey(Operation::Multiply);
        break;
    case Action::Divide:
        OperatorKey(Operation::Divide);
        break;
    case Action::Enter:
        Enter();
        break;
    case Action::Cancel:
        Cancel();
        break;
    }
}

// --- Arithmetic ----------------------------------------------------------------

void Calculator::Digit(char digit)
{
    if (display_ == "0" || newEntry_)
        display_ = std::string(1, digit);
    else if (display_.size() >= kLongestTyped)
        return;
    else
        display_ += digit;
    RedrawDisplay();
    PlayProgramSound("click", SND_NOWAIT);
    newEntry_ = false;
}

void Calculator::DecimalPoint()
{
    if (display_.find('.') != std::string::npos)
        return;
    newEntry_ = false;
    display_ = display_ == "0" ? "0." : display_ + ".";
    RedrawDisplay();
}

void Calculator::Backspace()
{
    if (display_ == "0")
        return;
    if (display_.size() <= 1)
        display_ = "0";
    else
        display_.pop_back();
    RedrawDisplay();
}

void Calculator::Clear()
{
    display_ = "0";
    RedrawDisplay();
}

void Calculator::OperatorKey(Operation operation)
{
    Evaluate();
    previous_ = display_;
    // The screen keeps showing the last value until the next key.
    display_ = "0";
    pending_ = operation;
}

void Calculator::Evaluate()
{
    newEntry_ = true;
    if (pending_ == Operation::None)
        return;
    const double left = ReadNumber(previous_);
    const double right = ReadNumber(display_);
    if (pending_ == Operation::Divide && right == 0) {
        ShowError();
        return;
    }
    float result = 0;
    switch (pending_) {
    case Operation::Add:
        result = static_cast<float>(left + right);
        break;
    case Operation::Subtract:
        result = static_cast<float>(left - right);
        break;
    case Operation::Multiply:
        result = static_cast<float>(left * right);
        break;
    case Operation::Divide:
        result = static_cast<float>(left / right);
        break;
    case Operation::None:
        break;
    }
    display_ = FormatTwoDecimals(result);
    if (result > kLargestResult) {
        ShowError();
        display_ = kLargestText;
    }
    RedrawDisplay();
    pending_ = Operation::None;
}

void Calculator::ShowError()
{
    for (const char* step : kErrorSteps) {
        display_ = step;
        RedrawDisplay();
        BusyWait(kErrorStepMs);
    }
}

void Calculator::Enter()
{
    Evaluate();
    BusyWait(kResultPauseMs);
    Transfer();
}

// --- Closing -------------------------------------------------------------------

void Calculator::Hide()
{
    hiding_ = true;
    if (HasFocus()) {
        if (Window* frame = GetParent())
            frame->SetFocus();
    }
    ShowWindow(SW_HIDE);
    hiding_ = false;
}

void Calculator::Transfer()
{
    Hide();
    if (!target_)
        return;
    typeText_(display_);
    target_->SendMessage(WM_CALC_TRANSFER);
    target_->SetFocus();
}

void Calculator::Close()
{
    Hide();
    // The field goes on taking the user's typing.
    if (target_)
        target_->SetFocus();
}

void Calculator::Cancel()
{
    Close();
    if (target_)
        target_->PostMessage(WM_CALC_CANCEL);
}

// --- Drawing -------------------------------------------------------------------

void Calculator::OnPaint(Dc& dc)
{
    App().Art().DrawBitmap(dc, background_, 0, 0);
    for (int i = 0; i < kKeys; ++i)
        DrawKey(dc, i, i == pressedKey_ && pressedShown_);
    DrawDisplay(dc);
}

void Calculator::DrawKey(Dc& dc, int index, bool down)
{
    const Key& key = kKeyTable[index];
    App().Art().DrawBitmap(dc, down ? keyDown_[index] : keyUp_[index], key.x, key.y);
}

void Calculator::RedrawKey(int index, bool down)
{
    ClientDc dc(this);
    DrawKey(dc, index, down);
}

void Calculator::DrawDisplay(Dc& dc)
{
    dc.FillSolidRect(kDisplayBox, RGB(255, 255, 255));
    const Font old = dc.SelectFont({"System", 14, FW_NORMAL});
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SetBkMode(TRANSPARENT);
    const UINT oldAlign = dc.SetTextAlign(TA_RIGHT | TA_TOP);
    dc.TextOut(kDisplayRight, kDisplayTop, display_);
    dc.SetTextAlign(oldAlign);
    dc.SelectFont(old);
}

void Calculator::RedrawDisplay()
{
    ClientDc dc(this);
    DrawDisplay(dc);
}

void DismissCalculator()
{
    if (Calculator* calculator = App().Windows().calculator)
        calculator->Deactivate();
}
