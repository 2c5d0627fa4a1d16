#include "app/ReportRequests.h"

#include "app/ChooserPage.h"
#include "app/LessonPage.h"
#include "app/PageSets.h"
#include "app/TextPage.h"
#include "data/CFinData.h"
#include "kit/AppServices.h"
#include "kit/NumberFormat.h"
#include "pages/credit/CostOfCreditPage.h"
#include "pages/credit/DebtLoadPage.h"
#include "pages/credit/DebtLoadResultPage.h"
#include "pages/money/AssetsPage.h"
#include "pages/money/AverageBudgetPage.h"
#include "pages/money/BudgetResultsPage.h"
#include "pages/money/ChecklistPage.h"
#include "pages/money/EmergenciesPage.h"
#include "pages/money/LiabilitiesPage.h"
#include "pages/money/SaveMorePage.h"
#include "pages/planning/ChartPage.h"
#include "pages/planning/RiskResultsPage.h"
#include "pages/surveys/SpendingResultsPage.h"
#include "pages/surveys/SurveyResults.h"
#include "platform/MessageBox.h"
#include "platform/Printer.h"
#include "platform/Window.h"
#include "reports/ReportPage.h"

using namespace platform;

namespace {

// The lines of a worksheet as it shows them: the detailed boxes or the
// quick fields.
void AddSheetLines(NetWorthSheet* sheet, bool detailed, std::vector<std::string>& values)
{
    for (int i = 0; sheet && i < sheet->LineCount(); ++i)
        values.push_back("$" + (detailed ? sheet->Lines().Box(i).GetText() : sheet->QuickField(i).GetText()));
}

} // namespace

ReportRequests::ReportRequests(Window& view, PageSets& pages) : view_(view), pages_(pages) {}

ReportData ReportRequests::Collect(int request) const
{
    ReportData data;
    data.request = request;
    CFinData record;
    record.Reset();
    record.Load();
    switch (request) {
    case 1096: {
        const bool detailed = App().Flags().detailedAnalysis;
        const long long assets = std::max(0, record.GetTotalAssets());
        const long long liabilities = std::max(0, record.GetTotalLiabilities());
        AddSheetLines(pages_.Get<AssetsPage>(PageId::Assets), detailed, data.values);
        data.values.push_back("$" + FormatThousands(assets));
        AddSheetLines(pages_.Get<LiabilitiesPage>(PageId::Liabilities), detailed, data.values);
        data.values.push_back("$" + FormatThousands(liabilities));
        data.values.push_back("$" + FormatThousands(assets - liabilities));
        break;
    }
    case 1108: {
        // The boxes on screen, else the ticks the record keeps.
        ChecklistPage* checklist = pages_.Get<ChecklistPage>(PageId::Checklist);
        const bool live = checklist && checklist->IsWindowVisible();
        for (int i = 0; i < ChecklistPage::kItems; ++i)
            data.ticks[static_cast<size_t>(i)] =
                live ? checklist->Box(i).GetCheck() : record.GetAnalysisChecklist(i) != 0;
        break;
    }
    case 1134:
        if (auto* cost = pages_.Get<CostOfCreditPage>(PageId::CostOfCredit)) {
            const std::string principal = "$" + cost->Amount().GetText();
            data.values = {principal,
                           cost->Rate().GetText(),
                           cost->Months().GetText(),
                           "$" + cost->PaymentText(),
                           principal,
                           "$" + cost->InterestText(),
                           "$" + FormatThousands(cost->TotalText())};
        }
        break;
    case 1136: {
        auto* debt = pages_.Get<DebtLoadPage>(PageId::DebtLoad);
        const auto* result = pages_.Get<DebtLoadResultPage>(PageId::DebtLoadResult);
        if (!debt || !result)
            break;
        // An amount left empty counts, and prints, as $0.
        const auto dollars = [](const std::string& text) { return "$" + (text.empty() ? "0" : text); };
        data.values = {result->ComfortLine(),
                       result->PaymentsLine(),
                       DebtLoadResultPage::kClosingLine,
                       dollars(debt->Income().GetText()),
                       dollars(debt->Housing().GetText()),
                       dollars(debt->Total().GetText())};
        break;
    }
    case 1137:
        if (const auto* average = pages_.Get<AverageBudgetPage>(PageId::AverageBudget)) {
            const AverageBudgetChart& chart = average->Chart();
            data.values.push_back("$" + FormatThousands(chart.Income()));
            for (int amount : chart.Amounts())
                data.values.push_back("$" + FormatThousands(amount));
        }
        break;
    case 1142:
        if (const auto* results = pages_.Get<BudgetResultsPage>(PageId::BudgetResults)) {
            const BudgetResultsChart& chart = results->Chart();
            data.values.push_back(FormatThousands(chart.Pay()));
            for (int c = 0; c < kSpendingCategories; ++c) {
                data.values.push_back("$" + FormatThousands(chart.Average(c)));
                data.values.push_back("$" + FormatThousands(chart.User(c)));
            }
        }
        break;
    case 1138:
        if (const LessonPage* lesson = pages_.Get<LessonPage>(PageId::Lesson)) {
            data.key = lesson->Key();
            data.secondPart = lesson->PrintSecondPart();
            for (const LessonPage::Topic& topic : lesson->Topics()) {
                data.headings.push_back(topic.lineCount > 1 ? topic.lines[0] + " " + topic.lines[1]
                                                            : topic.lines[0]);
                data.headingFiles.push_back(lesson->TopicFile(static_cast<int>(data.headingFiles.size())));
            }
            // The plan names the emergencies chosen on the list page.
            const auto* emergencies = pages_.Get<EmergenciesPage>(PageId::Emergencies);
            for (int k = 0; data.key == "plan" && emergencies && k < EmergenciesPage::kBoxes; ++k)
                data.values.push_back(emergencies->ChosenText(k));
        }
        break;
    case 1140:
        if (const SaveMorePage* saveMore = pages_.Get<SaveMorePage>(PageId::SaveMore)) {
            for (int row = 0; row < SaveMorePage::kRows; ++row)
                data.values.push_back(saveMore->RowLine(row));
            data.values.push_back(saveMore->TotalLine());
        }
        break;
    case 1139:
    case 1141:
        if (ChartPage* chart = pages_.Get<ChartPage>(PageId::Chart))
            data.chart = [chart](Dc& dc) { return chart->PrintChart(dc); };
        break;
    case 1132:
        if (const ChooserPage* chooser = pages_.Get<ChooserPage>(PageId::Chooser))
            data.values = ReportLines(BorrowingResult(chooser->BorrowingScore()));
        break;
    case 1148:
        // The topics of the type on screen, each with its text's entries.
        if (const auto* spending = pages_.Get<SpendingResultsPage>(PageId::SpendingResults)) {
            data.key = SpendingResultsPage::ColourWord(spending->SelectedType());
            for (const Topic& topic : spending->Topics().Topics())
                data.headings.push_back(topic.Text());
        }
        break;
    case 1149:
        if (const TextPage* text = pages_.Get<TextPage>(PageId::Text))
            data.values = ReportLines(RealityResult(text->RealityScore()));
        break;
    case 1150:
        if (const auto* risk = pages_.Get<RiskResultsPage>(PageId::RiskResults))
            data.values = risk->ReportLines();
        break;
    default:
        break;
    }
    return data;
}

void ReportRequests::Print(int request)
{
    last_ = request;
    ++count_;
    ReportPrinter report(Collect(request));
    const std::string title = report.Title();
    if (title.empty())
        return;
    const Rect client = view_.GetClientRect();
    const PrintResult result = PrintPage(title, [&](Dc& dc, Size printable) {
        MapReportPage(dc, printable, {client.Width(), client.Height()});
        report.Draw(dc);
    });
    if (result.printed)
        return;
    if (!result.pdfPath.empty())
        MessageBox("The report \"" + title + "\" was not printed (" + result.problem + "). It was saved as " +
                       result.pdfPath,
                   {}, MB_OK | MB_ICONINFORMATION);
    else
        MessageBox("The report \"" + title + "\" could not be printed or saved (" + result.problem + ").", {},
                   MB_OK | MB_ICONSTOP);
}
