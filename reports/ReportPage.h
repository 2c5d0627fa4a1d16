// The printed page as the reports are laid out on it: logical units that
// span 630 x 791 of them across the printable area for a 640 x 480 view,
// whatever the printer's resolution.
#pragma once

#include "platform/Dc.h"

inline constexpr platform::Size kReportView{640, 480};

// Sets up `dc` (a page of `printable` device units) for report units.
void MapReportPage(platform::Dc& dc, platform::Size printable, platform::Size view = kReportView);
