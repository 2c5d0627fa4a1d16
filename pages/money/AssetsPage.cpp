#include "pages/money/AssetsPage.h"

#include "kit/ViewMessages.h"

namespace {

const NetWorthSheetRows kAssets = {
    "IDD_Assets",
    DetailKind::Assets,
    "Quick Assets Analysis",
    "Detailed Assets Analysis",
    {"Enter the value of your assets below. Assets are", "things you own."},
    "2_1_1.wav",
    "2_1_4.wav",
    nullptr,
    nullptr,
    154,
    182,
    4,
    {
        {"Cash on hand: $", 0, "a21_11.wav"},
        {"Checking accounts: $", 1, "a21_12.wav"},
        {"Savings accounts: $", 2, "a21_13.wav"},
        {"House (market value): $", 3, "a21_14.wav"},
        {"Vehicles (current value): $", 4, "a21_15.wav"},
        {"Other tangible assets: $", 5, "a21_16.wav"},
        {"Intangible assets: $", 6, "a21_17.wav"},
        {"Other assets: $", 7, "a21_18.wav"},
    },
    VM_NET_WORTH_BACK,
    VM_SHOW_LIABILITIES,
};

} // namespace

AssetsPage::AssetsPage(platform::Window* view) : NetWorthSheet(view, kAssets) {}
