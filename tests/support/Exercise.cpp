#include "tests/support/Exercise.h"

#include <cstring>

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

FinRecord ExerciseTest::SavedBytes()
{
    const std::string bytes = ReadFileBytes(program.folder().SavedWorkFile());
    FinRecord record{};
    EXPECT_EQ(bytes.size(), sizeof(FinRecord));
    std::memcpy(&record, bytes.data(), std::min(bytes.size(), sizeof(FinRecord)));
    return record;
}
