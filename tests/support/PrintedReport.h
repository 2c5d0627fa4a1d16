// Reports drawn the way a printer gets them, and what they printed where.
#pragma once

#include "reports/ReportPage.h"
#include "reports/ReportPrinter.h"
#include "tests/support/FakeApp.h"
#include "tests/support/Recorders.h"

#include <QImage>
#include <gtest/gtest.h>
#include <string>

// Tests of reports drawn with the program's own texts and artwork: message
// boxes are recorded, and a line too wide for the page fails the test.
class PrintedReportTest : public ::testing::Test {
protected:
    FakeApp app{FISCOVA_PROGRAM_DIR "/"};
    MessageBoxRecorder boxes;
    TextOverflowRecorder fit;

    void TearDown() override
    {
        for (const platform::TextOverflow& o : fit.overflows)
            ADD_FAILURE() << "too wide by " << o.overshoot << ": " << o.text;
    }
};

// A report drawn onto a white image the size of a printable area.
inline QImage DrawReport(ReportPrinter& report, platform::Size printable)
{
    QImage page(printable.cx, printable.cy, QImage::Format_RGB32);
    page.fill(Qt::white);
    platform::Dc dc(&page, true);
    MapReportPage(dc, printable);
    report.Draw(dc);
    return page;
}

// Whether the report printed `text` with its corner at (x, y).
inline bool PrintedAt(const ReportPrinter& report, int x, int y, const std::string& text)
{
    for (const ReportPrinter::PrintedLine& line : report.Printed()) {
        if (line.x == x && line.y == y && line.text == text)
            return true;
    }
    return false;
}

// Draws the report of `data` and returns its lines as printed.
std::vector<ReportPrinter::PrintedLine> PrintReport(const ReportData& data);

// The printed line with `text`; one at (-1, -1) with no text when none.
ReportPrinter::PrintedLine FindPrinted(const std::vector<ReportPrinter::PrintedLine>& lines,
                                       const std::string& text);
