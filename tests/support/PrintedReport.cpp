#include "tests/support/PrintedReport.h"

std::vector<ReportPrinter::PrintedLine> PrintReport(const ReportData& data)
{
    ReportPrinter report(data);
    DrawReport(report, {850, 1100}); // a letter page at 100 dpi
    return report.Printed();
}

ReportPrinter::PrintedLine FindPrinted(const std::vector<ReportPrinter::PrintedLine>& lines,
                                       const std::string& text)
{
    for (const ReportPrinter::PrintedLine& line : lines) {
        if (line.text == text)
            return line;
    }
    return {-1, -1, ""};
}
