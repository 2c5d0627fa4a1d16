// The on-screen calculator ("IDD_Calc"): a small four-function calculator
// that a money entry field opens from its calculator picture. The user
// works a figure out with the mouse or the keyboard; enter (or a click
// elsewhere in the program) writes the display into the field, the cancel
// key and Escape close it without writing. There is one for the whole
// program, a child of the main frame, created hidden at start-up.
#pragma once

#include "platform/Bitmap.h"
#include "platform/Window.h"

#include <array>
#include <functional>
#include <string>

class Calculator : public platform::Window {
public:
    static constexpr int kWidth = 83;
    static constexpr int kHeight = 129;
    static constexpr int kKeys = 19;

    enum class Operation { None, Add, Subtract, Multiply, Divide };

    explicit Calculator(platform::Window* frame);

    // The field that opened the calculator, and how it takes the result as
    // if it had been typed.
    void SetTarget(platform::Window* field, std::function<void(const std::string&)> typeText);
    platform::Window* Target() const { return target_; }
    // Starts a new entry showing `text`, with "0" as the previous operand;
    // the pending operation stays.
    void SetStartValue(const std::string& text);
    // Shows the calculator with its top-left corner at (x, y) of the frame,
    // moved left or up as far as it takes to stay inside 640 x 480, and
    // gives it the keyboard.
    void ShowAt(int x, int y);
    // The calculator lost activation: when it is up, it hands its display
    // to the field as enter does.
    void Deactivate();

    const std::string& Display() const { return display_; }
    const std::string& PreviousOperand() const { return previous_; }
    Operation PendingOperation() const { return pending_; }
    bool IsNewEntry() const { return newEntry_; }

protected:
    void OnShowWindow(bool show) override;
    void OnPaint(platform::Dc& dc) override;
    void OnLButtonDown(platform::UINT flags, platform::Point point) override;
    void OnLButtonDblClk(platform::UINT flags, platform::Point point) override;
    void OnLButtonUp(platform::UINT flags, platform::Point point) override;
    void OnMouseMove(platform::UINT flags, platform::Point point) override;
    void OnKeyDown(platform::UINT key) override;
    void OnChar(platform::UINT character) override;
    void OnKillFocus() override;

private:
    // The key under a point, or -1.
    int KeyAt(platform::Point point) const;
    platform::Rect KeyRect(int index) const;
    // A keyboard key: its picture key shows pressed for a moment, then acts.
    void PressBriefly(int index);
    void Act(int index);

    void Digit(char digit);
    void DecimalPoint();
    void Backspace();
    void Clear();
    void OperatorKey(Operation operation);
    void Evaluate();
    void ShowError();
    void Enter();
    // Hides and writes the display into the field.
    void Transfer();
    void Cancel();
    // Hides, handing the keyboard back to the frame first.
    void Hide();
    // Hides without writing into the field, which gets the focus back.
    void Close();

    void DrawKey(platform::Dc& dc, int index, bool down);
    void RedrawKey(int index, bool down);
    void DrawDisplay(platform::Dc& dc);
    void RedrawDisplay();

    platform::Window* target_ = nullptr;
    std::function<void(const std::string&)> typeText_;
    std::string display_ = "0";
    std::string previous_;
    Operation pending_ = Operation::None;
    bool newEntry_ = false;
    bool hiding_ = false;
    bool artRead_ = false;

    platform::Bitmap background_;
    std::array<platform::Bitmap, kKeys> keyUp_;
    std::array<platform::Bitmap, kKeys> keyDown_;
    int pressedKey_ = -1;       // the key the mouse went down on
    bool pressedShown_ = false; // ... and whether it shows pressed now
};

// Takes the activation from the calculator, as a click elsewhere in the
// program does: a calculator that is up writes its display into its field.
void DismissCalculator();
