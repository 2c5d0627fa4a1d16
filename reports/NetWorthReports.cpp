// The bodies of the net-worth exercise's reports: the net-worth table and
// the checklist of records to gather.
#include "reports/ReportPrinter.h"

#include "reports/ReportLayout.h"

using namespace platform;
using namespace report;

void ReportPrinter::DrawNetWorth(Dc& dc)
{
    // Labels on x 100, values right-aligned on x 320; "uu" before a label
    // underlines it in bold, "bb" makes it large and bold; empty rows keep
    // the font before them. The values follow the rows that have one.
    static const char* const kRows[] = {
        "uuAssets: ",
        "Cash: ",
        "Checking: ",
        "Savings: ",
        "House: ",
        "Vehicles: ",
        "Other Tangible Assets: ",
        "Intangible Assets: ",
        "Other: ",
        "",
        "Total Assets:",
        "",
        "",
        "uuLiabilities",
        "Unpaid Utilities: ",
        "Credit Cards: ",
        "Vehicles: ",
        "Student Loans: ",
        "Mortgage: ",
        "Taxes: ",
        "Other: ",
        "",
        "Total Liabilities:",
        "",
        "________________________________________________",
        "",
        "bbNet Worth:",
    };
    // The rows that carry a value, in the order of the values.
    static const int kValueRows[] = {1, 2, 3, 4, 5, 6, 7, 8, 10, 14, 15, 16, 17, 18, 19, 20, 22, 26};
    size_t value = 0;
    int y = 150;
    for (int row = 0; row < static_cast<int>(std::size(kRows)); ++row, y += kLineStep) {
        std::string label = kRows[row];
        if (label.rfind("uu", 0) == 0) {
            dc.SelectFont(kUnderlinedBold);
            label = label.substr(2);
        } else if (label.rfind("bb", 0) == 0) {
            dc.SelectFont(kBigBold);
            label = label.substr(2);
        } else if (label.size() > 2) {
            dc.SelectFont(kBodyFont);
        }
        if (!label.empty())
            Text(dc, 100, y, label);
        if (value < std::size(kValueRows) && kValueRows[value] == row) {
            const std::string text = value < data_.values.size() ? data_.values[value] : std::string();
            const UINT align = dc.SetTextAlign(TA_RIGHT | TA_TOP);
            Text(dc, 320, y, text);
            dc.SetTextAlign(align);
            ++value;
        }
    }
}

void ReportPrinter::DrawChecklist(Dc& dc)
{
    static const char* const kLabels[] = {
        ") Current bank statements",
        ") Value of your home",
        ") Value of investment portfolio",
        ") Value of your vehicle",
        ") Value of your personal belongings",
        ") Student loan balance",
        ") Mortgage balance",
        ") Consumer debt balance",
        ") Vehicle loan balance",
        ") Other loan balances",
    };
    static const int kRowsY[] = {200, 215, 230, 245, 260};
    for (int i = 0; i < 10; ++i) {
        const int column = i < 5 ? 0 : 1;
        const int y = kRowsY[i % 5];
        Text(dc, column == 0 ? 40 : 270, y, data_.ticks[static_cast<size_t>(i)] ? "(x" : "(");
        Text(dc, column == 0 ? 50 : 280, y, kLabels[i]);
    }
}
