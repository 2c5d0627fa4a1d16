// A report drawn as the printer draws it, onto a page of paper in memory,
// for tests that read what it printed and where.
#pragma once

#include "reports/ReportPrinter.h"

#include <string>
#include <vector>

// Draws the report of `data` and returns its lines as printed.
std::vector<ReportPrinter::PrintedLine> PrintReport(const ReportData& data);

// The printed line with `text`; one at (-1, -1) with no text when none.
ReportPrinter::PrintedLine FindPrinted(const std::vector<ReportPrinter::PrintedLine>& lines,
                                       const std::string& text);
