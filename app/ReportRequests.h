// The print requests of the pages: the view remembers which report was
// asked for, collects its values from the pages on screen and the saved
// record, and prints it at once, with no dialog, to the default printer or
// else into a PDF, telling the user where a PDF went.
#pragma once

#include "reports/ReportPrinter.h"

class PageSets;

namespace platform {
class Window;
}

class ReportRequests {
public:
    ReportRequests(platform::Window& view, PageSets& pages);

    // Prints the report that `request` names.
    void Print(int request);
    // The values the report of `request` prints, from the pages and the
    // record as they stand.
    ReportData Collect(int request) const;
    // The request printed last, 0 before any, and how many were printed.
    int LastRequest() const { return last_; }
    int PrintCount() const { return count_; }

private:
    platform::Window& view_;
    PageSets& pages_;
    int last_ = 0;
    int count_ = 0;
};
