// The runtime pieces: Windows-1252 texts, key codes and random numbers.
#include "platform/AnsiText.h"
#include "platform/KeyMapping.h"
#include "platform/Keys.h"
#include "platform/Random.h"

#include <Qt>
#include <gtest/gtest.h>

using namespace platform;

TEST(AnsiText, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(ToAnsi(FromAnsi(all)), all);

    // The bytes where Windows-1252 differs from Latin-1.
    EXPECT_EQ(FromAnsi("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(FromAnsi("\x93quoted\x94"), QString::fromUtf16(u"\u201Cquoted\u201D"));
    EXPECT_EQ(FromAnsi("\x96"), QString(QChar(0x2013)));
    EXPECT_EQ(FromAnsi("caf\xE9"), QString::fromUtf16(u"caf\u00E9"));

    // Characters that the code page lacks become question marks.
    EXPECT_EQ(ToAnsi(QString::fromUtf16(u"\u0416\u2603")), "??");
}

TEST(Random, FollowsTheRuntimeSequence)
{
    SeedRandom(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358};
    for (int value : expected)
        EXPECT_EQ(Random(), value);

    // The same seed gives the same numbers again.
    SeedRandom(77);
    const int first = Random();
    SeedRandom(77);
    EXPECT_EQ(Random(), first);

    SetTimeSeed(1234);
    EXPECT_EQ(TimeSeed(), 1234u);
    SetTimeSeed(0);
    EXPECT_GT(TimeSeed(), 1234u);
}

TEST(KeyMapping, KeysOfAUsKeyboardHaveTheirWindowsCodes)
{
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Return), VK_RETURN);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Enter), VK_RETURN);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Escape), VK_ESCAPE);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Backspace), VK_BACK);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_7), static_cast<UINT>('7'));
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Q), static_cast<UINT>('Q'));
    EXPECT_EQ(VirtualKeyOf(Qt::Key_F1), VK_F1);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_F12), VK_F1 + 11);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Home), VK_HOME);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Shift), VK_SHIFT);
    // A punctuation key gives the code of its key, shifted or not.
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Comma), VK_OEM_COMMA);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Less), VK_OEM_COMMA);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Exclam), static_cast<UINT>('1'));
    // Keys no US keyboard has are unknown.
    EXPECT_EQ(VirtualKeyOf(Qt::Key_F13), 0u);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_VolumeUp), 0u);
}
