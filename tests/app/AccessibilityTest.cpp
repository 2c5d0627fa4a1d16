// What a screen reader finds: pages called by their headings, picture
// buttons called by the words on their pictures (or by the label beside
// them), fields called by their labels, and the element under the pointer.
#include "app/MainMenu.h"
#include "pages/money/AssetsPage.h"
#include "platform/AccessibleSurface.h"
#include "tests/support/Exercise.h"
#include "tests/support/ScreenReader.h"

#include <QAccessible>
#include <QWidget>
#include <gtest/gtest.h>

using namespace platform;
using namespace places;

namespace {

std::string NameAt(Window& frame, QPoint p)
{
    QAccessibleInterface* element = AccessibleAt(frame, p.x(), p.y());
    return element ? element->text(QAccessible::Name).toStdString() : std::string("(nothing)");
}

class Accessibility : public ExerciseTest {};

} // namespace

TEST(AccessibleLabels, AFieldIsCalledByTheTextBesideOrAboveIt)
{
    const std::vector<DrawnText> texts = {
        {"Your Assets", {8, 15, 200, 37}}, {"Cash on hand: $", {60, 158, 182, 176}},
        {"1,500", {190, 300, 230, 316}},   {"Interest rate", {300, 60, 380, 76}},
        {"Keep it", {452, 200, 500, 216}}, {"I save part of every paycheck", {10, 450, 130, 466}},
    };
    // On its row, to its left: the nearest one, without ": $".
    EXPECT_EQ(FindLabel(texts, {186, 156, 258, 176}), "Cash on hand");
    // Nothing on the row: the line just above.
    EXPECT_EQ(FindLabel(texts, {300, 80, 380, 100}), "Interest rate");
    // A box with its words to its right.
    EXPECT_EQ(FindLabel(texts, {430, 200, 446, 216}), "Keep it");
    // The last box of a row of answers, far from the row's statement.
    EXPECT_EQ(FindLabel(texts, {560, 446, 580, 473}), "I save part of every paycheck");
    // Amounts label nothing, and neither does text off the row and far away.
    EXPECT_EQ(FindLabel(texts, {240, 300, 300, 316}), "");
    EXPECT_EQ(FindLabel(texts, {100, 420, 160, 440}), "");
}

TEST_F(Accessibility, TheMainMenuNamesItsItemsAndWhatIsUnderThePointer)
{
    Window& frame = *program.app().MainFrame();
    MainMenu& menu = *view().Menu();
    Driver::Settle();
    EXPECT_EQ(menu.GetAccessibleName(), "Main Menu");
    const std::vector<std::string> names = ButtonNames(menu);
    for (const char* item : {"Financial Attitudes", "Money Management", "Credit", "Planning for the Future",
                             "Contact and Help", "Exit"})
        EXPECT_NE(std::find(names.begin(), names.end(), item), names.end()) << item;
    EXPECT_EQ(NameAt(frame, {kMenuItemX, MenuItemY(2)}), "Money Management");
    EXPECT_EQ(NameAt(frame, kMenuExit), "Exit");
    QAccessibleInterface* item = AccessibleAt(frame, kMenuItemX, MenuItemY(4));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->role(), QAccessible::Button);
    // Where the screen shows it.
    const QPoint global = frame.Widget()->mapToGlobal(QPoint(kMenuItemX, MenuItemY(4)));
    EXPECT_TRUE(item->rect().contains(global));
    EXPECT_TRUE(UnnamedOnScreen(frame).empty());
}

TEST_F(Accessibility, AWorksheetNamesItsPageItsFieldsAndItsButtons)
{
    OpenSection(2, 1);
    Window& frame = *program.app().MainFrame();
    EXPECT_EQ(NameAt(frame, {kSideX, kExitY}), "Exit");
    EXPECT_EQ(NameAt(frame, {kSideX, kMainMenuY}), "Main Menu");
    Choose(0);
    auto* assets = Get<AssetsPage>(PageId::Assets);
    ASSERT_TRUE(Shows(assets));
    Driver::Settle();
    EXPECT_FALSE(assets->GetAccessibleName().empty());
    const char* labels[] = {"Cash on hand",
                            "Checking accounts",
                            "Savings accounts",
                            "House (market value)",
                            "Vehicles (current value)",
                            "Other tangible assets",
                            "Intangible assets",
                            "Other assets"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(assets->QuickField(i).Edit().Widget()->accessibleName().toStdString(), labels[i]) << i;
    // The field under the pointer is called by its label.
    const Rect cash = assets->QuickField(0).GetWindowRect();
    EXPECT_EQ(NameAt(frame, {kPageX + cash.left + 5, kPageY + cash.top + 5}), "Cash on hand");
    EXPECT_EQ(NameAt(frame, kNavNext), "Next");
    EXPECT_EQ(NameAt(frame, kNavBack), "Back");
    const std::vector<std::string> unnamed = UnnamedOnScreen(frame);
    EXPECT_TRUE(unnamed.empty()) << unnamed.front();
}
