#include "pages/money/EmergenciesPage.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/ContentFiles.h"
#include "kit/NavBar.h"
#include "kit/TextDrawing.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"

#include <utility>
#include <vector>

using namespace platform;

namespace {

const std::vector<std::string> kIntro = {
    "Emergencies come in all shapes and sizes, but they",
    "all have one thing in common--they are life-altering",
    "events. Define what will constitute an emergency for",
    "you and your family. Select five alternatives below",
    "and get suggestions on ways to prepare for these",
    "emergencies.",
};

constexpr char kNarration[] = "2_3_2a.wav";
// What the record keeps as the text of a box with a chosen alternative.
constexpr char kChosenMarker[] = "blank";

// Box k: its number "k." and the box beside it.
constexpr int kNumberX = 78;
constexpr int kFirstRow = 166;
constexpr int kRowStep = 30;
const Font kNumberFont{"Arial", 20, 600};
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr int kBoxX = 104;
constexpr int kBoxRise = 1;
constexpr Size kBoxSize{260, 22};
const Font kBoxFont{"MS Sans Serif", 13, FW_NORMAL};

int RowY(int box)
{
    return kFirstRow + kRowStep * box;
}

} // namespace

EmergenciesPage::EmergenciesPage(Window* view) : PageWindow(view)
{
    SetWindowText("IDD_EmList");
    record_.Reset();
    for (int k = 0; k < kBoxes; ++k) {
        auto box = std::make_unique<ComboBox>(this);
        box->MoveWindow(kBoxX, RowY(k) - kBoxRise, kBoxSize.cx, kBoxSize.cy);
        box->SetFont(kBoxFont);
        box->SetLimitText(kTypedLimit);
        // Only the box's number stands beside it.
        box->SetAccessibleName("Emergency " + std::to_string(k + 1));
        for (int a = 0; a < EmergencyPlan::kAlternatives; ++a)
            box->AddString(EmergencyPlan::AlternativeName(a));
        boxes_[static_cast<size_t>(k)] = std::move(box);
    }
}

EmergenciesPage::~EmergenciesPage() = default;

std::string EmergenciesPage::ChosenText(int box) const
{
    return boxes_[static_cast<size_t>(box)]->GetText();
}

void EmergenciesPage::OnPageShown()
{
    record_.Load();
    for (int k = 0; k < kBoxes; ++k) {
        const std::string text = record_.GetEmergencyText(k);
        if (text != kChosenMarker)
            Box(k).SetText(text);
        else
            Box(k).SetCurSel(record_.GetEmergencyChoice(k));
    }
    firstPaint_ = true;
}

void EmergenciesPage::StoreChoices()
{
    // What the user typed is kept however the page is left, so that a box
    // never comes back with an older text than the one it showed.
    record_.Load();
    for (int k = 0; k < kBoxes; ++k) {
        const int choice = Box(k).GetCurSel();
        record_.SetEmergencyChoice(k, choice);
        record_.SetEmergencyText(k, choice >= 0 ? std::string(kChosenMarker)
                                                : Box(k).GetText().substr(0, kTypedLimit));
    }
    record_.Save();
}

void EmergenciesPage::OnPageHidden()
{
    StoreChoices();
}

void EmergenciesPage::BuildPlan()
{
    std::array<int, kBoxes> choices{};
    for (int k = 0; k < kBoxes; ++k)
        choices[static_cast<size_t>(k)] = Box(k).GetCurSel();
    plan_ = EmergencyPlan(choices);
    const std::string text = plan_.Text();
    const std::string path = WorkFilePath(kPlanFolder, kPlanFile);
    planSaved_ = WriteFileAtomically(path, text.data(), text.size());
    // The lesson shows the plan all the same; saying so once is enough.
    if (!planSaved_ && !std::exchange(toldNotSaved_, true))
        MessageBox("Unable to save the plan file " + DisplayPath(path) +
                   ". Your plan is shown, but it cannot be kept.");
}

void EmergenciesPage::OnPaint(Dc& dc)
{
    App().Art().DrawModuleBackground(dc);
    DrawHeading(dc, "Your Emergencies List");
    EnableNav(false, true, true, false);
    App().Nav().DrawNavBar(dc);
    dc.SelectFont(kNumberFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kNavy);
    for (int k = 0; k < kBoxes; ++k)
        dc.TextOut(kNumberX, RowY(k), std::to_string(k + 1) + ".");
    DrawTextBlock(dc, kIntro);
    if (VideoWindow* video = App().Windows().video)
        video->SetMedia(kNarration);
    if (std::exchange(firstPaint_, false))
        Box(0).SetFocus();
}

void EmergenciesPage::OnLButtonUp(UINT, Point point)
{
    // The boxes are stored as the page hides.
    switch (App().Nav().NavClick(point.x, point.y)) {
    case -1:
        return;
    case 2:
        BuildPlan();
        SendToView(VM_LESSON_PLAN);
        break;
    default:
        PostToView(VM_CHOOSER_MAN4);
        break;
    }
    ShowWindow(SW_HIDE);
}
