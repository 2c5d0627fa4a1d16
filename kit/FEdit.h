// The money entry field: a one-line field of a page in which the user types
// an amount, a number of months or a rate. It keeps only digits (and one
// decimal point where decimals are allowed), holds the value between a
// minimum and a maximum, shows whole amounts with thousands separators
// once left, carries a calculator picture that opens the calculator, and
// speaks a hint about itself a few seconds after it gets the focus.
//
// The page hears about it by two messages: WM_FIELD_CHANGED (1109) after
// each change by typing and WM_FIELD_LEFT (1043) when it loses the focus;
// lParam carries the field.
#pragma once

#include "kit/ImageButton.h"
#include "platform/EditControl.h"
#include "platform/Window.h"

#include <string>

class FEdit : public platform::Window {
public:
    static constexpr platform::UINT kHintTimer = 1;
    static constexpr platform::UINT kHintDelayMs = 4000;
    static constexpr int kTextLimit = 9;

    // A field inside `page`, shown with it; the page places it with MoveWindow.
    explicit FEdit(platform::Window* page);
    ~FEdit() override;

    void SetMaxValue(int maximum) { maximum_ = maximum; }
    void SetMinValue(int minimum) { minimum_ = minimum; }
    int MaxValue() const { return maximum_; }
    int MinValue() const { return minimum_; }
    // Lets the field take one decimal point (the count has no further effect).
    void AllowDecimals(int count);
    bool DecimalsAllowed() const { return decimals_; }
    // The full path of the spoken hint ("" for none); it may play again.
    void SetHintSound(const std::string& path);
    const std::string& HintSound() const { return hintSound_; }
    bool HintPlayed() const { return hintPlayed_; }

    // Shows a value, with thousands separators in a whole-number field; -1
    // (never entered) shows an empty field, and a value outside the minimum
    // and maximum shows the nearer of them.
    void SetIntValue(int value);
    // The validated text as a whole number or a real number; empty reads 0.
    int GetIntValue();
    double GetRealValue();
    // The text as it stands.
    std::string GetText() const;
    // Replaces the text as if it had been typed: the typing filter runs and
    // the page hears 1109. The calculator hands its result over this way.
    void SetText(const std::string& text);
    // The text after validation: filtered, "0" when nothing is left, and
    // kept between the minimum and the maximum (the field shows the bound).
    std::string Validate();

    // The page became visible: the hint may play once more.
    void PageShown() { hintPlayed_ = false; }
    // The page was hidden: no hint is pending any more.
    void PageHidden() { KillTimer(kHintTimer); }

    platform::EditControl& Edit() { return edit_; }
    const ImageButton& CalculatorButton() const { return calculatorButton_; }

protected:
    // Consumes the calculator's transfer (1041) and cancel (1042).
    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam,
                                 platform::LPARAM lParam) override;
    // The hint timer.
    void OnTimer(platform::UINT id) override;

private:
    // Runs on every change of the text: rounding, character filter, 1109.
    void OnTextChanged();
    void OnFocusGained();
    void OnFocusLost();
    // True when the click opened the calculator.
    bool OnClick(platform::Point point);
    void PaintOver(platform::Dc& dc);
    void OpenCalculator();
    // Keeps digits and, in a decimal field, the first point; a point in a
    // whole-number field buzzes.
    std::string FilterCharacters(const std::string& text) const;
    // Sets the text as the field's own change, which the filter ignores.
    void SetOwnText(const std::string& text);
    void NotifyPage(platform::UINT message);

    platform::EditControl edit_;
    ImageButton calculatorButton_;
    bool initialised_ = false;
    bool updating_ = false;
    bool hintPlayed_ = false;
    std::string hintSound_;
    bool decimals_ = false;
    int maximum_ = 999999;
    int minimum_ = 0;
};
