#include "kit/FEdit.h"

#include "kit/AppServices.h"
#include "kit/Calculator.h"
#include "kit/Modules.h"
#include "kit/NumberFormat.h"
#include "kit/ProgramSounds.h"
#include "kit/TopTenWindow.h"
#include "kit/ViewMessages.h"
#include "platform/Sound.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <utility>

using namespace platform;

namespace {

// The calculator picture sits near the right of the field, further right
// in fields wide enough for amounts above a million.
constexpr int kCalculatorX = 50;
constexpr int kCalculatorWideX = 60;
constexpr int kCalculatorY = -2;
constexpr int kWideMaximum = 1000000;

// The dialog font of the pages.
const Font kFieldFont{"MS Sans Serif", 13, FW_NORMAL};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A decimal number one greater than `digits` (digits only, no sign).
std::string Incremented(std::string digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return digits;
        }
        *it = '0';
    }
    return "1" + digits;
}

// A whole-number field rounds a typed fraction to the nearest whole number:
// 12.7 becomes 13 and 12.4 becomes 12. Text without a point followed by
// something stays as it is.
std::string RoundedToWhole(const std::string& text)
{
    const std::string::size_type point = text.find('.');
    if (point == std::string::npos || point + 1 >= text.size())
        return text;
    std::string whole;
    for (std::string::size_type i = 0; i < point; ++i) {
        if (IsDigit(text[i]))
            whole += text[i];
    }
    whole.erase(0, whole.find_first_not_of('0'));
    if (whole.empty())
        whole = "0";
    return static_cast<unsigned char>(text[point + 1]) > '4' ? Incremented(whole) : whole;
}

// Decimal parsing as atoi does it, kept inside the range of int.
int ParseInt(const std::string& text)
{
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// Raises a flag for the length of a scope and puts back what it was.
class Raised {
public:
    explicit Raised(bool& flag) : flag_(flag), was_(std::exchange(flag, true)) {}
    ~Raised() { flag_ = was_; }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;

private:
    bool& flag_;
    bool was_;
};

void Buzz()
{
    PlayProgramSound("buzz", SND_SYNC);
}

} // namespace

FEdit::FEdit(Window* page) : Window(page), edit_(this)
{
    edit_.FillParent();
    edit_.SetLimitText(kTextLimit);
    edit_.SetFont(kFieldFont);
    edit_.SetChangeHandler([this] { OnTextChanged(); });
    edit_.SetFocusHandlers([this] { OnFocusGained(); }, [this] { OnFocusLost(); });
    edit_.SetClickHandler([this](Point point) { return OnClick(point); });
    edit_.SetPaintHandler([this](Dc& dc) { PaintOver(dc); });
    ShowWindow(SW_SHOW);
}

FEdit::~FEdit() = default;

void FEdit::AllowDecimals(int)
{
    decimals_ = true;
}

void FEdit::SetHintSound(const std::string& path)
{
    hintSound_ = path;
    hintPlayed_ = false;
}

void FEdit::SetIntValue(int value)
{
    if (value == -1) {
        SetOwnText({});
        return;
    }
    // Only a damaged saved-work file gives a value the field cannot hold: it
    // shows the nearest bound, as a typed value does once it is left.
    const int held = std::clamp(value, minimum_, maximum_);
    SetOwnText(decimals_ ? std::to_string(held) : FormatThousands(held));
}

int FEdit::GetIntValue()
{
    const std::string text = Validate();
    return text.empty() ? 0 : ParseInt(text);
}

double FEdit::GetRealValue()
{
    const std::string text = Validate();
    return text.empty() ? 0.0 : std::strtod(text.c_str(), nullptr);
}

std::string FEdit::GetText() const
{
    return edit_.GetText();
}

void FEdit::SetText(const std::string& text)
{
    edit_.SetText(text);
}

std::string FEdit::FilterCharacters(const std::string& text) const
{
    std::string kept;
    bool pointKept = false;
    for (const char c : text) {
        if (IsDigit(c)) {
            kept += c;
        } else if (c == '.' && !decimals_) {
            Buzz();
        } else if (c == '.' && !pointKept) {
            kept += c;
            pointKept = true;
        }
    }
    return kept;
}

std::string FEdit::Validate()
{
    const std::string text = edit_.GetText();
    if (text.empty())
        return text;
    std::string result = FilterCharacters(text);
    if (result.empty())
        result = "0";
    const double value = std::strtod(result.c_str(), nullptr);
    if (value > maximum_) {
        Buzz();
        result = std::to_string(maximum_);
        SetOwnText(result);
    } else if (value < minimum_) {
        result = std::to_string(minimum_);
        SetOwnText(result);
    }
    return result;
}

void FEdit::SetOwnText(const std::string& text)
{
    const Raised updating(updating_);
    edit_.SetText(text);
}

void FEdit::NotifyPage(UINT message)
{
    if (Window* page = GetParent())
        page->SendMessage(message, 0, reinterpret_cast<LPARAM>(this));
}

void FEdit::OnTextChanged()
{
    if (updating_)
        return;
    const Raised updating(updating_);
    KillTimer(kHintTimer);
    const std::string typed = edit_.GetText();
    const std::string filtered = FilterCharacters(decimals_ ? typed : RoundedToWhole(typed));
    if (filtered != typed) {
        edit_.SetText(filtered);
        edit_.SetCaretToEnd();
    }
    NotifyPage(WM_FIELD_CHANGED);
    edit_.Invalidate();
}

void FEdit::OnFocusGained()
{
    if (!IsWindowVisible())
        return;
    const std::string result = Validate();
    // Rewriting an unchanged text would lose a selection made by tabbing in.
    if (result != edit_.GetText())
        SetOwnText(result);
    if (result == "0")
        edit_.SelectAll();
    StopSound();
    SetTimer(kHintTimer, kHintDelayMs);
    edit_.Invalidate();
}

void FEdit::OnFocusLost()
{
    std::string result = Validate();
    if (!decimals_ && !result.empty())
        result = FormatThousands(std::to_string(ParseInt(result)));
    SetOwnText(result);
    NotifyPage(WM_FIELD_LEFT);
    KillTimer(kHintTimer);
}

bool FEdit::OnClick(Point point)
{
    // A click anywhere in the program takes the activation from the calculator.
    DismissCalculator();
    if (!initialised_ || !calculatorButton_.HitTest(point.x, point.y))
        return false;
    OpenCalculator();
    return true;
}

void FEdit::OpenCalculator()
{
    KillTimer(kHintTimer);
    StopSound();
    App().Flags().calculatorOpen = true;
    Calculator* calculator = App().Windows().calculator;
    if (!calculator)
        return;
    calculator->SetTarget(this, [this](const std::string& text) { SetText(text); });
    calculator->SetStartValue(Validate());
    const Point corner = ClientToFrame({0, 0});
    calculator->ShowAt(corner.x, corner.y);
}

void FEdit::PaintOver(Dc& dc)
{
    if (!initialised_) {
        initialised_ = true;
        const Size size = calculatorButton_.LoadState(ImageButton::Normal, "idb_calcul");
        calculatorButton_.SetPosition(maximum_ > kWideMaximum ? kCalculatorWideX : kCalculatorX,
                                      kCalculatorY);
        calculatorButton_.SetSize(size.cx, size.cy);
    }
    calculatorButton_.SetState(ImageButton::Normal);
    calculatorButton_.Draw(dc, 0);
}

LRESULT FEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CALC_TRANSFER || message == WM_CALC_CANCEL)
        return 0;
    return Window::WindowProc(message, wParam, lParam);
}

void FEdit::OnTimer(UINT id)
{
    if (id != kHintTimer)
        return;
    // These conditions only hold the hint back; it may still come later.
    const TopTenWindow* topTen = App().Windows().topTen;
    if (App().Flags().currentModule == ModuleExit || (topTen && topTen->IsWindowVisible()) || hintPlayed_ ||
        hintSound_.empty())
        return;
    KillTimer(kHintTimer);
    if (!App().Flags().discDeclined && !App().IsContentDiscPresent() && !App().AskForDisc()) {
        App().Flags().discDeclined = true;
        return;
    }
    PlaySound(hintSound_, SND_ASYNC);
    hintPlayed_ = true;
}
