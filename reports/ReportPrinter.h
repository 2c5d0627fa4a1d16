// One printed report, built afresh for each print from plain values that the
// program collects from its pages and its record: the letterhead, the
// report's title and introduction, and its body, drawn in report units
// (reports/ReportPage.h). Adding a report is one row of the table in
// ReportPrinter.cpp and one body routine.
#pragma once

#include "platform/Dc.h"

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

struct ReportData {
    int request = 0;                   // the print request that names the report
    std::vector<std::string> values;   // the value lines the body prints
    std::string key;                   // the lesson (or spending type) of a content report
    std::vector<std::string> headings; // its topics
    bool secondPart = false;           // "invest": the second half of its topics
    std::array<bool, 10> ticks{};      // the checklist's marks

    // The file each of the lesson's topics opens; without them, the
    // lesson's numbered files.
    std::vector<std::string> headingFiles;
    // A chart report's chart: draws it onto the page in print colours and
    // gives the figure lines printed with it.
    std::function<std::vector<std::string>(platform::Dc&)> chart;
};

class ReportPrinter {
public:
    explicit ReportPrinter(ReportData data);

    // Whether the request names a report.
    static bool HasReport(int request);
    // The title printed under the letterhead.
    std::string Title() const;
    // Draws the page; the device context is already mapped.
    void Draw(platform::Dc& dc);

    // The lines of the body as they were printed last (text and place), for
    // checking what a report holds.
    struct PrintedLine {
        int x;
        int y;
        std::string text;
    };
    const std::vector<PrintedLine>& Printed() const { return printed_; }

    struct Body;

private:
    void Text(platform::Dc& dc, int x, int y, const std::string& text);
    void DrawLetterhead(platform::Dc& dc);
    void DrawTitleAndIntroduction(platform::Dc& dc);
    void DrawNetWorth(platform::Dc& dc);
    void DrawChecklist(platform::Dc& dc);
    void DrawContent(platform::Dc& dc);
    void DrawAverageBudget(platform::Dc& dc);
    void DrawBudgetResults(platform::Dc& dc);
    std::vector<std::string> BudgetResultsIntroduction() const;
    // Rows of a label on x 100 and a value right-aligned on `valueRight`,
    // from `y` down, a row every 12 units; an empty label leaves its row blank.
    void DrawTwoColumns(platform::Dc& dc, int y, int valueRight,
                        const std::vector<std::pair<std::string, std::string>>& rows);
    void DrawSaveMore(platform::Dc& dc);
    void DrawCostOfCredit(platform::Dc& dc);
    void DrawDebtLoad(platform::Dc& dc);
    void DrawGrowthChart(platform::Dc& dc);
    void DrawGoalsChart(platform::Dc& dc);
    // Each heading with the entries of its text, from `firstY` down.
    void DrawEntries(platform::Dc& dc, int firstY);
    void DrawSurveyResult(platform::Dc& dc);
    void DrawSpending(platform::Dc& dc);
    std::vector<std::string> Introduction() const;
    // The plan's introduction: its first line, the five emergencies and its last line.
    std::vector<std::string> PlanIntroduction(const std::vector<std::string>& lines) const;

    ReportData data_;
    std::vector<PrintedLine> printed_;
};
