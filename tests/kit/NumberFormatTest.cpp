// How amounts and rates are written: two groups of thousands at most, the
// sign set aside, and real values without trailing zeros.
#include "kit/NumberFormat.h"

#include <gtest/gtest.h>

TEST(NumberFormat, ThousandsSeparatorsStopAfterTwoGroups)
{
    const std::pair<const char*, const char*> cases[] = {{"", ""},
                                                         {"999", "999"},
                                                         {"1500", "1,500"},
                                                         {"999999", "999,999"},
                                                         {"-999", "-999"},
                                                         {"-1500", "-1,500"},
                                                         {"1234567", "1,234,567"},
                                                         {"-1234567", "-1,234,567"},
                                                         {"7", "7"},
                                                         {"1000000", "1,000,000"},
                                                         {"1234567890", "1234,567,890"}};
    for (const auto& [digits, shown] : cases)
        EXPECT_EQ(FormatThousands(digits), shown) << digits;
    EXPECT_EQ(FormatThousands(-250000LL), "-250,000");
}

TEST(NumberFormat, TwoDecimalsLoseTrailingZeros)
{
    const std::pair<double, const char*> cases[] = {
        {5.0, "5"},     {5.5, "5.5"},   {5.25, "5.25"}, {10.0, "10"}, {100.5, "100.5"},
        {5.05, "5.05"}, {2.499, "2.5"}, {0.0, "0"},     {-3.0, "-3"}, {1e12, "1000000000000"}};
    for (const auto& [value, shown] : cases)
        EXPECT_EQ(FormatTwoDecimals(value), shown) << value;
}
