#include "tests/support/Exercise.h"

#include "kit/FEdit.h"

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

void ExerciseTest::TypeInto(FEdit& field, const char* text)
{
    const platform::Rect place = field.GetWindowRect();
    ClickPage(place.left + 12, place.top + 10);
    field.Edit().SelectAll();
    if (*text)
        drive.Type(text);
    else
        drive.Key(Qt::Key_Delete);
}
