#include "app/TextPage.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "kit/ContentFiles.h"
#include "kit/Modules.h"
#include "kit/NavBar.h"
#include "kit/ResultLines.h"
#include "kit/TextDrawing.h"
#include "kit/TopTenWindow.h"
#include "kit/VideoWindow.h"
#include "kit/ViewMessages.h"
#include "pages/surveys/SurveyResults.h"

#include <string_view>

using namespace platform;

namespace {

constexpr char kReality[] = "reality";
constexpr char kObtain[] = "obtain.txt";
constexpr char kRatings[] = "ratings.txt";
constexpr char kCredits[] = "howzem1.txt";
constexpr char kContact[] = "howzem2.txt";

// Enabled navigation buttons and their commands per key.
struct TextNavigation {
    std::string_view key;
    bool print, back, next, ret;
    UINT backCommand, nextCommand, returnCommand;
};

constexpr TextNavigation kNavigation[] = {
    {kReality, true, true, false, true, VM_SURVEY_VALUES_LAST, 0, VM_CHOOSER_FIN2},
    {kObtain, false, true, true, false, VM_CHOOSER_CRED4, VM_LESSON_AGENCY, 0},
    {kRatings, false, false, false, true, 0, 0, VM_CHOOSER_CRED4},
    {kCredits, false, false, true, false, 0, VM_TEXT_HOWZEM2, 0},
    {kContact, false, true, false, true, VM_TEXT_HOWZEM1, 0, VM_SHOW_MAIN_MENU},
};

const TextNavigation* NavigationOf(std::string_view key)
{
    for (const TextNavigation& n : kNavigation) {
        if (n.key == key)
            return &n;
    }
    return nullptr;
}

// Shown in the credit module instead of the file's own lines.
const std::vector<std::string> kRatingsLines = {
    "Your credit report is rated on a 0 to 9 scale. The higher your rating, the more likely",
    "you will be viewed as a credit risk. The best ratings are 1 and 2. Creditors become",
    "concerned when account ratings indicate payments are consistently late. Accounts",
    "are rated monthly, but old ratings remain on the report for up to 24 months.",
    "All creditors do not make reports to the credit bureau; however, most do. Some",
    "creditors, such as utility and telephone companies, usually report only ",
    "delinquent accounts. ",
};

struct PlacedText {
    int x, y;
    const char* text;
};

// The notes at the foot of the contact page, on the services marked "*": the
// investment and credit union services are offers of the maker's affiliates.
constexpr PlacedText kContactNotes[] = {
    {10, 323, "* Where available."},
    {10, 342, "Investment services are an affiliated offer of ZEM Securities, Inc., a ZEM subsidiary,"},
    {10, 353, "and are not part of the course. Not FDIC insured, not a bank deposit, may lose value."},
    {10, 372, "Credit union services are an affiliated offer of Larkspur Federal Credit Union, a ZEM"},
    {10, 383, "affiliate, and are not part of the course. Subject to eligibility and credit approval."},
};

// The detail lines of the reality results.
constexpr ResultLinesLayout kRealityLines{32, 90, 14, 10, 25};

const Font kContactHeadingFont{"Arial", 16, 800};
const Font kContactNoteFont{"Arial", 14, 200};

} // namespace

TextPage::TextPage(Window* view) : PageWindow(view)
{
    // The bullet is the program's own.
    App().Art().LoadOwnBitmap(bullet_, "IDB_bullet");
}

void TextPage::setKey(const std::string& key)
{
    key_ = key;
    lines_.clear();
    if (key != kReality)
        lines_ = ReadLineList(ContentFilePath("data\\", key), kMaxLines);
    const TextNavigation* nav = NavigationOf(key);
    back_ = nav ? nav->backCommand : 0;
    next_ = nav ? nav->nextCommand : 0;
    return_ = nav ? nav->returnCommand : 0;
    picture_.Release();
    const int module = App().Flags().currentModule;
    if (key == kCredits && module == ModuleHelp)
        App().Art().LoadBitmapByName(picture_, "idb_how_qor");
    else if (key == kRatings && module == ModuleCredit)
        App().Art().LoadBitmapByName(picture_, "idb_cre_rep");
}

bool TextPage::LinkShown() const
{
    return key_ == kCredits && App().Flags().currentModule == ModuleHelp;
}

bool TextPage::OnLink(Point p) const
{
    return LinkShown() && p.x >= kLinkArea.left && p.x <= kLinkArea.right && p.y >= kLinkArea.top &&
           p.y <= kLinkArea.bottom;
}

void TextPage::DrawContactHeadings(Dc& dc)
{
    dc.SelectFont(kContactHeadingFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SelectPen(Pen{PenStyle::Solid, 1, RGB(0, 0, 173)});
    dc.MoveTo(10, 60);
    dc.LineTo(440, 60);
    dc.MoveTo(10, 267);
    dc.LineTo(440, 267);
    dc.SetTextColor(RGB(0, 0, 180));
    dc.TextOut(10, 45, "How to Contact ZEM");
    dc.TextOut(10, 252, "Technical Support");
    dc.SelectFont(kContactNoteFont);
    dc.SetTextColor(RGB(0, 0, 0));
    for (const PlacedText& note : kContactNotes)
        dc.TextOut(note.x, note.y, note.text);
}

void TextPage::DrawCreditReportRatings(Dc& dc)
{
    DrawTextBlock(dc, kRatingsLines);
    App().Art().DrawBitmap(dc, picture_, 16, 152);
    App().Windows().topTen->SetList("cred4");
    App().Windows().video->SetMedia("3_3_1.avi");
}

void TextPage::DrawRealityResults(Dc& dc)
{
    const SurveyResult& result = RealityResult(realityScore_);
    DrawResultLines(dc, result.details, kRealityLines, bullet_);
    DrawHeading(dc, "Financial Reality Survey Results");
    DrawTextBlock(dc, HeadingBlock(result));
    App().Windows().topTen->SetList("fin1b");
    App().Windows().video->SetMedia("1_1_1e.avi");
}

void TextPage::OnPaint(Dc& dc)
{
    Artwork& art = App().Art();
    art.DrawModuleBackground(dc);
    if (key_ == kReality) {
        DrawRealityResults(dc);
    } else if (key_ == kObtain) {
        DrawHeading(dc, "Getting Your Credit Report");
        App().Windows().topTen->SetList("cred4c");
        App().Windows().video->SetMedia("3_3_3.avi");
    } else if (key_ == kRatings) {
        DrawHeading(dc, "Know How to Read a Credit Report");
    }

    NavBar& nav = App().Nav();
    const TextNavigation* n = NavigationOf(key_);
    EnableNav(n && n->print, n && n->back, n && n->next, n && n->ret);
    nav.DrawNavBar(dc);

    if (key_ == kCredits || key_ == kContact) {
        DrawHeading(dc, "Credits");
        if (key_ == kContact)
            DrawContactHeadings(dc);
        if (LinkShown())
            art.DrawBitmap(dc, picture_, 140, 320);
    }
    if (key_ == kObtain || key_ == kCredits || key_ == kContact)
        DrawTextBlock(dc, lines_);
    else if (key_ == kRatings && App().Flags().currentModule == ModuleCredit)
        DrawCreditReportRatings(dc);
}

void TextPage::OnMouseMove(UINT, Point point)
{
    const bool hot = SharedMouseMove(point);
    SetCursor(hot || OnLink(point) ? Cursor::Hand : Cursor::Arrow);
}

void TextPage::OnLButtonDown(UINT flags, Point point)
{
    PageWindow::OnLButtonDown(flags, point);
    if (OnLink(point)) {
        SendToView(VM_OPEN_QOR_PAGE);
    }
}

void TextPage::OnLButtonUp(UINT, Point point)
{
    const int nav = App().Nav().NavClick(point.x, point.y);
    UINT command = 0;
    switch (nav) {
    case 0:
        command = VM_PRINT_REALITY;
        break;
    case 1:
        command = back_;
        break;
    case 2:
        command = next_;
        break;
    case 3:
        command = return_;
        break;
    default:
        return;
    }
    if (!command)
        return;
    // The contact pages go on with the next text in this same page; a
    // printed result stays on screen.
    const bool staysOpen = nav == 0 || key_ == kCredits || (key_ == kContact && nav == 1);
    SendToView(command);
    if (!staysOpen)
        ShowWindow(SW_HIDE);
}
