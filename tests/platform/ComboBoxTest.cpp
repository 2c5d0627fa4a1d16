// Editable drop-down boxes: a list to choose from and typed text, with the
// selection as Windows keeps it (typing leaves no item selected) and hooks
// that hear the user only.
#include "platform/ComboBox.h"
#include "platform/Keys.h"
#include "platform/Window.h"
#include "tests/support/Driver.h"
#include "tests/support/Recorders.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace platform;

namespace {

constexpr const char* kAlternatives[] = {
    "Loss of job",       "Loss of spouse",     "Medical emergency",
    "Family emergency",  "Business emergency", "Unexpected travel",
    "Loss due to crime", "Natural disaster ",  "Other unlikely emergency",
};

// A shown window with one box of the nine alternatives; the hooks count the
// user's actions.
struct Form {
    KeyLog window;
    ComboBox box{&window};
    int selChanges = 0;
    int editChanges = 0;

    Form()
    {
        window.MoveWindow(40, 40, 320, 200);
        box.MoveWindow(20, 20, 240, 24);
        for (const char* text : kAlternatives)
            box.AddString(text);
        box.SetSelChangeHandler([this] { ++selChanges; });
        box.SetEditChangeHandler([this] { ++editChanges; });
        window.ShowWindow(SW_SHOW);
        EXPECT_TRUE(Driver::Activate(window));
        box.SetFocus();
    }
    QWidget* Target() const { return QApplication::focusWidget(); }
};

} // namespace

TEST(ComboBox, ProgramSetsItemsSelectionAndTextWithoutHooks)
{
    Form form;
    ComboBox& box = form.box;
    EXPECT_EQ(box.GetCount(), 9);
    EXPECT_EQ(box.GetItemText(7), "Natural disaster ");
    EXPECT_EQ(box.GetItemText(9), "");
    // Filling the list selects nothing and leaves the field empty.
    EXPECT_EQ(box.GetCurSel(), -1);
    EXPECT_EQ(box.GetText(), "");

    box.SetCurSel(2);
    EXPECT_EQ(box.GetCurSel(), 2);
    EXPECT_EQ(box.GetText(), "Medical emergency");

    // A text put in by the program selects nothing, even an item's own text.
    box.SetText("A flooded basement");
    EXPECT_EQ(box.GetCurSel(), -1);
    EXPECT_EQ(box.GetText(), "A flooded basement");
    box.SetText("Loss of job");
    EXPECT_EQ(box.GetCurSel(), -1);

    // Selecting an item again shows its text again; selecting none empties the field.
    box.SetCurSel(2);
    box.SetText("Typed over");
    box.SetCurSel(2);
    EXPECT_EQ(box.GetText(), "Medical emergency");
    box.SetCurSel(-1);
    EXPECT_EQ(box.GetCurSel(), -1);
    EXPECT_EQ(box.GetText(), "");
    box.SetCurSel(12);
    EXPECT_EQ(box.GetCurSel(), -1);

    // Texts are Windows-1252, in the list and in the field.
    EXPECT_EQ(box.AddString("Saving for kids\x92 college"), 9);
    box.SetCurSel(9);
    EXPECT_EQ(box.GetText(), "Saving for kids\x92 college");
    EXPECT_EQ(box.GetItemText(9), "Saving for kids\x92 college");

    EXPECT_EQ(form.selChanges, 0);
    EXPECT_EQ(form.editChanges, 0);
}

TEST(ComboBox, TypingLeavesNoItemSelectedWithinTheLimit)
{
    Form form;
    ComboBox& box = form.box;
    box.SetCurSel(0);
    box.SetLimitText(12);
    QTest::keyClicks(form.Target(), " or a flood");
    EXPECT_EQ(box.GetText(), "Loss of job ");
    EXPECT_EQ(box.GetCurSel(), -1);
    EXPECT_EQ(form.editChanges, 1);
    EXPECT_EQ(form.selChanges, 0);

    // A longer text from the program stays, and typing cannot lengthen it.
    box.SetText("Other unlikely emergency");
    QTest::keyClicks(form.Target(), "!");
    EXPECT_EQ(box.GetText(), "Other unlikely emergency");
    QTest::keyClick(form.Target(), Qt::Key_Backspace);
    EXPECT_EQ(box.GetText(), "Other unlikely emergenc");

    // Enter goes on to the window; typing an item's text does not select it.
    box.SetText("");
    box.SetLimitText(45);
    QTest::keyClicks(form.Target(), "Loss of job");
    QTest::keyClick(form.Target(), Qt::Key_Return);
    EXPECT_EQ(box.GetText(), "Loss of job");
    EXPECT_EQ(box.GetCurSel(), -1);
    EXPECT_EQ(form.window.keys, std::vector<UINT>{VK_RETURN});
    EXPECT_EQ(form.selChanges, 0);
    EXPECT_EQ(box.GetCount(), 9);

    // A disabled box takes no typing.
    box.EnableWindow(false);
    EXPECT_FALSE(box.IsWindowEnabled());
    QTest::keyClicks(box.Widget(), "x");
    EXPECT_EQ(box.GetText(), "Loss of job");
}

TEST(ComboBox, ChoosingFromTheListSelectsAndTellsTheOwner)
{
    Form form;
    ComboBox& box = form.box;

    // With nothing selected, Down chooses the first item; Up and Down step.
    QTest::keyClick(form.Target(), Qt::Key_Down);
    EXPECT_EQ(box.GetCurSel(), 0);
    EXPECT_EQ(box.GetText(), "Loss of job");
    QTest::keyClick(form.Target(), Qt::Key_Down);
    QTest::keyClick(form.Target(), Qt::Key_Down);
    QTest::keyClick(form.Target(), Qt::Key_Up);
    EXPECT_EQ(box.GetCurSel(), 1);
    EXPECT_EQ(form.selChanges, 4);
    // Up from the first item stays there and tells nobody.
    QTest::keyClick(form.Target(), Qt::Key_Up);
    QTest::keyClick(form.Target(), Qt::Key_Up);
    EXPECT_EQ(box.GetCurSel(), 0);
    EXPECT_EQ(form.selChanges, 5);

    // After typing, the arrows start again from no selection.
    QTest::keyClicks(form.Target(), "x");
    ASSERT_EQ(box.GetCurSel(), -1);
    QTest::keyClick(form.Target(), Qt::Key_Down);
    EXPECT_EQ(box.GetCurSel(), 0);
    EXPECT_EQ(box.GetText(), "Loss of job");

    // A click on an item of the opened list.
    box.ShowDropDown(true);
    ASSERT_TRUE(Driver::Until([&] { return box.IsDropped(); }));
    QAbstractItemView* list = static_cast<QComboBox*>(box.Widget())->view();
    const QRect item = list->visualRect(list->model()->index(7, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
    EXPECT_TRUE(Driver::Until([&] { return !box.IsDropped(); }));
    EXPECT_EQ(box.GetCurSel(), 7);
    EXPECT_EQ(box.GetText(), "Natural disaster ");
    EXPECT_EQ(form.selChanges, 7);
    EXPECT_EQ(form.editChanges, 1);
}
