#include "pages/money/LiabilitiesPage.h"

#include "kit/ViewMessages.h"

namespace {

// The quick fields are not in the record in screen order, and the Taxes
// line has a field of its own.
const NetWorthSheetRows kLiabilities = {
    "IDD_Liabilities",
    DetailKind::Liabilities,
    "Quick Liabilities Analysis",
    "Detailed Liabilities Analysis",
    {"Enter the value of your liabilities below. Liabilities", "are things you owe, or the debt you are in."},
    "2_1_2.wav",
    "2_1_5.wav",
    "man2a",
    "man2b",
    168,
    180,
    4,
    {
        {"Unpaid utilities: $", 0, "a21_21.wav"},
        {"Credit cards: $", 1, "a21_22.wav"},
        {"Vehicle loan balance: $", 4, "a21_23.wav"},
        {"Student loans: $", 2, "a21_24.wav"},
        {"Home loan balance: $", 5, "a21_25.wav"},
        {"Taxes: $", -1, "a21_27.wav"},
        {"Other liabilities: $", 3, "a21_26.wav"},
    },
    VM_SHOW_ASSETS,
    VM_SHOW_NET_WORTH,
};

} // namespace

LiabilitiesPage::LiabilitiesPage(platform::Window* view) : NetWorthSheet(view, kLiabilities) {}
