#include "pages/money/SaveMorePage.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/NavBar.h"
#include "kit/NumberFormat.h"
#include "kit/TextDrawing.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "platform/Keys.h"

#include <algorithm>
#include <utility>
#include <vector>

using namespace platform;

namespace {

// Each row: what the amount saves, and how often that comes in a year.
struct SavingsLine {
    const char* text;
    int yearlyFactor;
};

constexpr SavingsLine kSavingsLines[SaveMorePage::kRows] = {
    {"per month by decreasing long-distance calls.", 12},
    {"per week by eating dinner out one less time a week.", 52},
    {"per month by running your heater and A.C. more wisely.", 12},
    {"per month by shopping less often or shopping for sales.", 12},
    {"per month by lowering housing costs.", 12},
    {"per month by carpooling or using public transportation.", 12},
    {"per week by using grocery coupons.", 52},
    {"per day by taking lunch from home.", 250}, // working days
};

const std::vector<std::string> kIntro = {
    "You can save more by changing your spending habits.",
    "Below are some common examples in your life where you can",
    "reduce your expenses. Enter an amount to see how much",
    "more you can save.",
};

constexpr char kSavePrefix[] = "Save $";
constexpr char kNarration[] = "2_2_2.wav";
constexpr char kHint[] = "a2_21.wav";

// Row i stands at y = kFirstRow + kRowStep * i: "Save $", the field, the text.
constexpr int kFirstRow = 149;
constexpr int kRowStep = 23;
constexpr int kPrefixX = 14;
constexpr int kTextX = 140;
constexpr int kTextRise = 3;
constexpr int kFieldX = 66;
constexpr int kFieldWidth = 70;
constexpr int kFieldHeight = 20;
constexpr int kFieldRise = 2;
const Font kRowFont{"Arial", 16, 800};

constexpr Point kTotalArt{24, 351};
constexpr Point kTotalText{35, 360};
const Font kTotalFont{"Handel Gothic BT", 24, 800};

int RowY(int row)
{
    return kFirstRow + kRowStep * row;
}

} // namespace

SaveMorePage::SaveMorePage(Window* view) : PageWindow(view)
{
    SetWindowText("IDD_Fix");
    record_.Reset();
    for (int row = 0; row < kRows; ++row) {
        auto field = std::make_unique<FEdit>(this);
        field->MoveWindow(kFieldX, RowY(row) - kFieldRise, kFieldWidth, kFieldHeight);
        field->Edit().SetKeyHandler([this, row](UINT key, UINT) { return OnFieldKey(row, key); });
        fields_[static_cast<size_t>(row)] = std::move(field);
    }
}

SaveMorePage::~SaveMorePage() = default;

long long SaveMorePage::YearlyTotal() const
{
    long long total = 0;
    for (int row = 0; row < kRows; ++row) {
        const int amount = CFinData::ParseAmount(fields_[static_cast<size_t>(row)]->GetText());
        total += static_cast<long long>(kSavingsLines[row].yearlyFactor) * std::max(0, amount);
    }
    return total;
}

std::string SaveMorePage::TotalLine() const
{
    return "Total Savings: $" + FormatThousands(YearlyTotal()) + " per year";
}

std::string SaveMorePage::RowLine(int row) const
{
    return kSavePrefix + fields_[static_cast<size_t>(row)]->GetText() + " " + kSavingsLines[row].text;
}

void SaveMorePage::OnPageShown()
{
    record_.Load();
    for (int row = 0; row < kRows; ++row) {
        Field(row).SetIntValue(record_.GetSaveMoreAmounts(row));
        Field(row).SetHintSound(App().ContentPath() + "sounds\\" + kHint);
        Field(row).PageShown();
    }
    firstPaint_ = true;
}

void SaveMorePage::OnPageHidden()
{
    // Only this page's amounts go onto what the file holds.
    record_.Load();
    for (int row = 0; row < kRows; ++row) {
        record_.SetSaveMoreAmounts(row, Field(row).GetText());
        Field(row).PageHidden();
    }
    record_.Save();
}

bool SaveMorePage::OnFieldKey(int row, UINT key)
{
    switch (key) {
    case VK_RETURN:
    case VK_DOWN:
        if (row + 1 < kRows)
            Field(row + 1).SetFocus();
        return true;
    case VK_UP:
        if (row > 0)
            Field(row - 1).SetFocus();
        return true;
    case VK_ESCAPE:
        return true;
    default:
        return false;
    }
}

void SaveMorePage::DrawRows(Dc& dc)
{
    dc.SelectFont(kRowFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    for (int row = 0; row < kRows; ++row) {
        const int y = RowY(row);
        dc.TextOut(kPrefixX, y, kSavePrefix);
        dc.TextOut(kTextX, y - kTextRise, kSavingsLines[row].text);
    }
}

void SaveMorePage::DrawTotal(Dc& dc)
{
    Artwork& art = App().Art();
    if (totalArt_.IsEmpty())
        art.LoadBitmapByName(totalArt_, "idb_m_savtot");
    art.DrawBitmap(dc, totalArt_, kTotalArt.x, kTotalArt.y);
    dc.SelectFont(kTotalFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(255, 255, 255));
    dc.TextOut(kTotalText.x, kTotalText.y, TotalLine());
}

void SaveMorePage::OnPaint(Dc& dc)
{
    if (VideoWindow* video = App().Windows().video)
        video->SetMedia(kNarration);
    App().Art().DrawModuleBackground(dc);
    DrawHeading(dc, "How to Save More");
    DrawRows(dc);
    EnableNav(true, false, false, true);
    App().Nav().DrawNavBar(dc);
    DrawTextBlock(dc, kIntro);
    DrawTotal(dc);
    if (std::exchange(firstPaint_, false))
        Field(0).SetFocus();
}

void SaveMorePage::OnLButtonUp(UINT, Point point)
{
    switch (App().Nav().NavClick(point.x, point.y)) {
    case 0:
        SendToView(VM_PRINT_SAVE_MORE);
        break;
    case 3:
        PostToView(VM_SAVE_MORE_DONE);
        ShowWindow(SW_HIDE);
        break;
    default:
        break;
    }
}

LRESULT SaveMorePage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The total follows the amounts as they are typed, and once more when a
    // field is left and shows its amount formatted.
    if (message == WM_FIELD_CHANGED || message == WM_FIELD_LEFT) {
        if (IsWindowVisible()) {
            const Size size = totalArt_.GetSize();
            InvalidateRect({kTotalArt.x, kTotalArt.y, kTotalArt.x + size.cx, kTotalArt.y + size.cy}, false);
        }
        return 0;
    }
    return PageWindow::WindowProc(message, wParam, lParam);
}
