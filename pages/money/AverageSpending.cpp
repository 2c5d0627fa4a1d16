#include "pages/money/AverageSpending.h"

#include <cstddef>

// clang-format off
const std::array<SpendingCategory, kSpendingCategories> kSpending = {{
    // label                  shares 1, 2, 3 (ten-thousandths)  pie labels 1, 2, 3
    {"Cash contributions:",   {  353,   268,   318},  {"4%",  "3%",  "3%"}},
    {"Food:",                 { 1521,  1373,  1208},  {"15%", "14%", "12%"}},
    {"Housing:",              { 3250,  3062,  3014},  {"33%", "30%", "30%"}},
    {"Utilities:",            {  841,   666,   534},  {"8%",  "7%",  "5%"}},
    {"Clothing:",             {  492,   472,   504},  {"5%",  "5%",  "5%"}},
    {"Transportation:",       { 1832,  2073,  1817},  {"18%", "21%", "18%"}},
    {"Health care:",          {  724,   515,   404},  {"7%",  "5%",  "4%"}},
    {"Insurance/pensions:",   {  578,   994,  1453},  {"6%",  "10%", "15%"}},
    {"Entertainment:",        {  451,   475,   579},  {"5%",  "5%",  "6%"}},
    {"Other expenditures:",   {  346,   318,   341},  {"3%",  "3%",  "3%"}},
    {"Misc. expenses:",       {  264,   278,   219},  {"2%",  "3%",  "2%"}},
}};
// clang-format on

int IncomeBracket(int income)
{
    // Gross is 1.28 times the take-home income; compared in hundredths.
    const long long gross = income * 128LL;
    if (gross < 2500 * 100)
        return 0;
    return gross < 4166 * 100 ? 1 : 2;
}

int AverageAmount(int income, int category)
{
    const int share =
        kSpending[static_cast<std::size_t>(category)].shares[static_cast<std::size_t>(IncomeBracket(income))];
    return static_cast<int>(static_cast<long long>(income) * share / kShareUnit);
}
