#include "tests/support/Exercise.h"

void ExerciseTest::OpenSection(int menuItem, int section)
{
    program.EnterFromMenu(menuItem);
    drive.Click(places::kSideX, places::kSectionY[section]);
    ASSERT_TRUE(Shows(view().Chooser()));
}

void ExerciseTest::Choose(int choice)
{
    const ImageButton& b = view().Chooser()->Choice(choice);
    ClickPage(b.X() + b.Width() / 2, b.Y() + b.Height() / 2);
}
