#include "reports/ReportPage.h"

#include <algorithm>

using namespace platform;

void MapReportPage(Dc& dc, Size printable, Size view)
{
    dc.SetMapMode(MM_ANISOTROPIC);
    // Whole numbers, cut toward zero, as the extents take them.
    dc.SetWindowExt(std::max(1, 403200 / std::max(1, printable.cx)),
                    std::max(1, 380000 / std::max(1, printable.cy)));
    dc.SetViewportExt(view.cx, view.cy);
    dc.SetViewportOrg(0, 0);
}
