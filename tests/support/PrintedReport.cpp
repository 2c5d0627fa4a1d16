#include "tests/support/PrintedReport.h"

#include "platform/Dc.h"
#include "reports/ReportPage.h"

#include <QImage>

std::vector<ReportPrinter::PrintedLine> PrintReport(const ReportData& data)
{
    const platform::Size letter{850, 1100}; // a letter page at 100 dpi
    QImage page(letter.cx, letter.cy, QImage::Format_RGB32);
    page.fill(Qt::white);
    ReportPrinter report(data);
    platform::Dc dc(&page, true);
    MapReportPage(dc, letter);
    report.Draw(dc);
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
