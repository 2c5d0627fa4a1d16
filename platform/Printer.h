// Printing one page: to the system's default printer when one is set up,
// otherwise, or when the printer fails, into a PDF file in the user's
// documents folder (under "Fiscova Reports/", named after the page's title
// and the time, never over an earlier file). The page is drawn by a
// callback, so that a failed print can be drawn again into the PDF.
#pragma once

#include "platform/Types.h"

#include <functional>
#include <string>

namespace platform {

class Dc;

struct PrintResult {
    bool printed = false; // went to a printer
    std::string printer;  // its name
    std::string pdfPath;  // the PDF written instead ("" when none)
    std::string problem;  // why the printer was not used, when it was not
    bool Ok() const { return printed || !pdfPath.empty(); }
};

// Draws the page with `draw`, given its device context and the printable
// area in device units, and sends it on its way.
PrintResult PrintPage(const std::string& title, const std::function<void(Dc& dc, Size printable)>& draw);

// Where pages go instead of the system's own choices (tests, the course
// tour): a printer by name ("" the system's default, "none" no printer)
// and the folder the PDFs go into ("" the documents folder).
struct PrintSettings {
    std::string printer;
    std::string pdfFolder;
};
// Returns the settings in place before.
PrintSettings SetPrintSettings(const PrintSettings& settings);

} // namespace platform
