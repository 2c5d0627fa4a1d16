#include "pages/planning/RiskInputPage.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/NavBar.h"
#include "kit/TextDrawing.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

using namespace platform;

namespace {

// Each field: where it stands, how large an amount it takes, its spoken
// hint, and where the record keeps it.
struct FieldRow {
    int y;
    int maximum;
    const char* hint;
    int (CFinData::*get)() const;
    void (CFinData::*set)(std::string_view);
};

constexpr int kMaxAmount = 999999;

constexpr FieldRow kFieldRows[RiskInputPage::kFields] = {
    {202, RiskInputPage::kMaxAge, "sounds\\a12_11.wav", &CFinData::GetAge, &CFinData::SetAge},
    {240, kMaxAmount, "sounds\\a32_21.wav", &CFinData::GetMonthlyNetIncome, &CFinData::SetMonthlyNetIncome},
    {278, kMaxAmount, "sounds\\a12_12.wav", &CFinData::GetTotalOwned, &CFinData::SetTotalOwned},
    {317, kMaxAmount, "sounds\\a32_23.wav", &CFinData::GetMonthlyDebtPayments,
     &CFinData::SetMonthlyDebtPayments},
};
constexpr int kFieldX = 324;
constexpr int kFieldWidth = 84;
constexpr int kFieldHeight = 20;

struct Label {
    const char* text;
    int x;
    int y;
};

constexpr int kLabelX = 40;
constexpr int kDollarX = 312;
constexpr Label kLabels[] = {
    {"Your age:", kLabelX, 204},
    {"Monthly household net income:", kLabelX, 242},
    {"Total value of what you own:", kLabelX, 280},
    {"Total monthly payment to all", kLabelX, 306},
    {"creditors other than rent or mortgage:", kLabelX, 319},
    {"$", kDollarX, 242},
    {"$", kDollarX, 280},
    {"$", kDollarX, 319},
};
const Font kLabelFont{"Arial", 16, 800};
constexpr COLORREF kWhite = RGB(255, 255, 255);

const std::vector<std::string> kInstructions = {
    "It is important to determine how much risk you can tolerate before starting an",
    "investment program. It will assist you in making the best financial decisions",
    "you can. The following survey will help you determine your risk tolerance.",
};

constexpr char kTitle[] = "How Much Risk Can You Tolerate?";
constexpr Point kArt{0, 134};
constexpr char kArtName[] = "idb_sav1_bk";
// The survey's two statement pages count on from this one.
constexpr char kPageCounter[] = "Page 1 of 3";
constexpr Point kPageCounterAt{50, 140};
// The page counter's font, as the survey's pages write theirs.
const Font kCounterFont{"MS Sans Serif", 15, FW_SEMIBOLD};
constexpr char kVideo[] = "4_1_1a.avi";
constexpr char kPanel[] = "plan2a";

} // namespace

RiskInputPage::RiskInputPage(Window* view) : PageWindow(view)
{
    SetWindowText("IDD_Saver");
    record_.Reset();
    for (int f = 0; f < kFields; ++f) {
        const FieldRow& row = kFieldRows[f];
        auto field = std::make_unique<FEdit>(this);
        field->MoveWindow(kFieldX, row.y, kFieldWidth, kFieldHeight);
        field->SetMaxValue(row.maximum);
        fields_[static_cast<size_t>(f)] = std::move(field);
    }
}

RiskInputPage::~RiskInputPage() = default;

void RiskInputPage::OnPageShown()
{
    record_.Load();
    for (int f = 0; f < kFields; ++f) {
        FEdit& field = GetField(static_cast<Field>(f));
        field.SetIntValue((record_.*kFieldRows[f].get)());
        field.SetHintSound(App().ContentPath() + kFieldRows[f].hint);
        field.PageShown();
    }
    firstPaint_ = true;
}

void RiskInputPage::OnPageHidden()
{
    Store();
    for (auto& field : fields_)
        field->PageHidden();
}

void RiskInputPage::Store()
{
    // Only this page's amounts go onto what the file holds.
    record_.Load();
    for (int f = 0; f < kFields; ++f)
        (record_.*kFieldRows[f].set)(GetField(static_cast<Field>(f)).GetText());
    record_.Save();
}

void RiskInputPage::DrawLabels(Dc& dc)
{
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kWhite);
    dc.SelectFont(kLabelFont);
    for (const Label& label : kLabels)
        dc.TextOut(label.x, label.y, label.text);
    dc.SelectFont(kCounterFont);
    dc.TextOut(kPageCounterAt.x, kPageCounterAt.y, kPageCounter);
}

void RiskInputPage::OnPaint(Dc& dc)
{
    if (VideoWindow* video = App().Windows().video)
        video->SetMedia(kVideo);
    if (TopTenWindow* topTen = App().Windows().topTen)
        topTen->SetList(kPanel);
    Artwork& art = App().Art();
    art.DrawModuleBackground(dc);
    if (art_.IsEmpty())
        art.LoadBitmapByName(art_, kArtName);
    art.DrawBitmap(dc, art_, kArt.x, kArt.y);
    DrawHeading(dc, kTitle);
    EnableNav(false, true, true, false);
    App().Nav().DrawNavBar(dc);
    DrawTextBlock(dc, kInstructions);
    DrawLabels(dc);
    if (std::exchange(firstPaint_, false))
        GetField(Age).SetFocus();
}

void RiskInputPage::OnLButtonUp(UINT, Point point)
{
    switch (App().Nav().NavClick(point.x, point.y)) {
    case 1:
        PostToView(VM_CHOOSER_PLAN2);
        ShowWindow(SW_HIDE);
        break;
    case 2:
        // The survey's score reads the amounts as they are now.
        FocusNeutral();
        Store();
        SendToView(VM_SURVEY_SAVER);
        ShowWindow(SW_HIDE);
        break;
    default:
        break;
    }
}
