#include "reports/ReportPrinter.h"

#include "kit/AppServices.h"
#include "kit/Artwork.h"
#include "platform/Bitmap.h"
#include "reports/ReportLayout.h"

using namespace platform;
using namespace report;

namespace {

const Font kNameFont{"Arial", 17, 700};
const Font kNoticeFont{"Arial", 8, 400};
const Font kAddressFont{"Arial", 10, 800};
const Font kTitleFont{"Arial", 12, 800, false, true};

constexpr char kAddress[] =
    "Corvell Learning for ZEM  -  2400 Larkspur Avenue, Suite 300, Marlow Springs, CO 80999";
constexpr char kNotice[] = "Printed from Fiscova. The figures are the ones you entered; use them for your "
                           "own planning. This is not financial advice.";

struct ReportRow {
    int request;
    const char* title;
    std::vector<std::string> introduction;
    void (ReportPrinter::*body)(Dc&);
    // An introduction that carries the report's figures, instead of the
    // fixed one.
    std::vector<std::string> (ReportPrinter::*introductionOf)() const = nullptr;
};

} // namespace

// The body routines are members; the table names them.
struct ReportPrinter::Body {
    static const std::vector<ReportRow>& Rows();
};

const std::vector<ReportRow>& ReportPrinter::Body::Rows()
{
    static const std::vector<ReportRow> rows = {
        {1096,
         "Your Net Worth",
         {"Your net worth is determined by subtracting what you owe (Liabilities) from what you own "
          "(Assets).",
          "Given the information you have entered, your net worth has been calculated below."},
         &ReportPrinter::DrawNetWorth},
        {1108,
         "Detailed Net Worth Analysis Checklist",
         {"Conducting a detailed analysis of your net worth will require you to have several financial",
          "statements at your disposal. Here is a list of items needed for a detailed analysis of your net",
          "worth. If you cannot find the most current version of any of these statements, use the most",
          "recent statement you can find."},
         &ReportPrinter::DrawChecklist},
        {1134,
         "The Cost of Credit",
         {"This report demonstrates the true cost of buying the item you are interested in purchasing",
          "using a credit card. As you can see, the cost of buying on credit is ALWAYS higher",
          "than the cost of purchasing with cash."},
         &ReportPrinter::DrawCostOfCredit},
        {1136, "How Much Debt Is Too Much Debt?", {}, &ReportPrinter::DrawDebtLoad},
        {1137,
         "View an Average Monthly Budget",
         {"The figures below show the budget for an average American household for the",
          "earnings per month that you specified:"},
         &ReportPrinter::DrawAverageBudget},
        {1138, nullptr, {}, &ReportPrinter::DrawContent},
        {1142,
         "Budget Results",
         {},
         &ReportPrinter::DrawBudgetResults,
         &ReportPrinter::BudgetResultsIntroduction},
        {1140,
         "How To Save More",
         {"You can save more by changing your spending habits. Below are some common areas in your",
          "life where you can reduce your expenses:"},
         &ReportPrinter::DrawSaveMore},
        {1139,
         "Growth of Money",
         {"Below is a chart that shows you how money (in this case $100 at different",
          "interest rates) can grow as a result of compound interest."},
         &ReportPrinter::DrawGrowthChart},
        // Its introduction goes with the chart's lines (ChartReports.cpp).
        {1141, "Meeting Your Goals", {}, &ReportPrinter::DrawGoalsChart},
        {1132, "Your Borrowing Habits", {}, &ReportPrinter::DrawSurveyResult},
        {1148,
         "Spending Survey Results",
         {"Your answers on this exercise indicate ..."},
         &ReportPrinter::DrawSpending},
        {1149, "Financial Reality Survey Results", {}, &ReportPrinter::DrawSurveyResult},
        {1150, "Risk Tolerance Survey Results", {}, &ReportPrinter::DrawSurveyResult},
    };
    return rows;
}

const report::LessonReport* report::FindLessonReport(const std::string& key)
{
    static const std::vector<LessonReport> lessons = {
        {"habits",
         "Ways To Improve Your Borrowing Habits",
         {"No matter how good your credit rating and debt load, there is always room for improvement. Here",
          "are some steps you can take to improve your borrowing habits."},
         140},
        {"invest",
         "Investment Options",
         {"This chart illustrates major investment options available to you categorized by their risks",
          "and return potential."},
         140},
        {"reducing",
         "Reducing Your Debt Load",
         {"A high debt load can force you into making bad financial decisions. That's why it is important "
          "that",
          "you are constantly evaluating ways to reduce your debt. Here are some ways you can",
          "systematically reduce your debt load."},
         140},
        {"avoid",
         "How To Avoid Bad Credit Reports",
         {"Here are some ways you can avoid bad credit reports."},
         140},
        {"agency",
         "Credit Reporting Agencies",
         {"Below is a list of major credit reporting agencies to contact in case you need a copy",
          "of your credit history."},
         140},
        {"emer",
         "List Of Typical Emergencies",
         {"The following is a list of typical emergencies that you may want to consider",
          "when you are planning for emergencies."},
         140},
        {"plan",
         "Emergency Expense Plan",
         {"The most important emergencies that you are planning for are:",
          "The following suggestions will help you plan for the financial emergencies that you have "
          "identified."},
         195},
        {"goal",
         "View Typical Goals",
         {"Below is a list of typical goals for American households that will identify your needs. "},
         130},
    };
    for (const LessonReport& lesson : lessons) {
        if (key == lesson.key)
            return &lesson;
    }
    return nullptr;
}

namespace {

const ReportRow* RowOf(int request)
{
    for (const ReportRow& row : ReportPrinter::Body::Rows()) {
        if (row.request == request)
            return &row;
    }
    return nullptr;
}

} // namespace

ReportPrinter::ReportPrinter(ReportData data) : data_(std::move(data)) {}

bool ReportPrinter::HasReport(int request)
{
    return RowOf(request) != nullptr;
}

std::string ReportPrinter::Title() const
{
    const ReportRow* row = RowOf(data_.request);
    if (!row)
        return {};
    if (row->title)
        return row->title;
    const LessonReport* lesson = FindLessonReport(data_.key);
    if (!lesson)
        return {};
    return data_.key == "invest" && data_.secondPart ? std::string(lesson->title) + " - continued"
                                                     : lesson->title;
}

std::vector<std::string> ReportPrinter::Introduction() const
{
    const ReportRow* row = RowOf(data_.request);
    if (row && row->introductionOf)
        return (this->*row->introductionOf)();
    if (row && row->title)
        return row->introduction;
    const LessonReport* lesson = FindLessonReport(data_.key);
    if (!lesson)
        return {};
    return data_.key == "plan" ? PlanIntroduction(lesson->introduction) : lesson->introduction;
}

void ReportPrinter::Text(Dc& dc, int x, int y, const std::string& text)
{
    dc.TextOut(x, y, text);
    printed_.push_back({x, y, text});
}

void ReportPrinter::DrawLetterhead(Dc& dc)
{
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SelectFont(kNameFont);
    dc.TextOut(40, 40, "Corvell");
    dc.TextOut(180, 76, "Fiscova");
    Bitmap logo;
    if (!App().Art().LoadOwnBitmap(logo, "idb_logo").IsEmpty())
        dc.BitBlt(80, 4, logo.GetSize().cx, logo.GetSize().cy, logo, 0, 0);
    dc.SelectFont(kNoticeFont);
    dc.TextOut(kLeft, kNoticeY, kNotice);
    dc.SelectFont(kAddressFont);
    dc.TextOut(kLeft, 56, kAddress);
    dc.TextOut(kLeft, 59, std::string(77, '_'));
}

void ReportPrinter::DrawTitleAndIntroduction(Dc& dc)
{
    dc.SelectFont(kIntroFont);
    const std::vector<std::string> introduction = Introduction();
    for (size_t k = 0; k < introduction.size(); ++k)
        Text(dc, kLeft, kIntroY + kLineStep * static_cast<int>(k), introduction[k]);
    dc.SelectFont(kTitleFont);
    Text(dc, kLeft, kTitleY, Title());
}

void ReportPrinter::Draw(Dc& dc)
{
    printed_.clear();
    DrawLetterhead(dc);
    DrawTitleAndIntroduction(dc);
    if (const ReportRow* row = RowOf(data_.request)) {
        dc.SelectFont(kBodyFont);
        (this->*row->body)(dc);
    }
}
