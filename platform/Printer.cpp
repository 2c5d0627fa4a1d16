#include "platform/Printer.h"

#include "platform/AnsiText.h"
#include "platform/Dc.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <utility>

namespace platform {
namespace {

PrintSettings g_settings;

constexpr char kNoPrinter[] = "none";

Size PrintableSize(const QPrinter& printer)
{
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    return {area.width(), area.height()};
}

// Draws the page on a printer set up for it; false when the printer
// refused the page.
bool DrawOn(QPrinter& printer, const std::function<void(Dc&, Size)>& draw)
{
    {
        Dc dc(&printer, true);
        if (printer.printerState() == QPrinter::Error)
            return false;
        draw(dc, PrintableSize(printer));
    }
    return printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}

QString PdfFolder()
{
    if (!g_settings.pdfFolder.empty())
        return QString::fromStdString(g_settings.pdfFolder);
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return documents + "/Fiscova Reports";
}

// A file name from the title that no earlier report has taken.
QString FreePdfPath(const std::string& title)
{
    QString name = FromAnsi(title);
    for (const QChar bad : QStringLiteral("/\\:*?\"<>|"))
        name.replace(bad, QLatin1Char('-'));
    const QString stem = PdfFolder() + "/" + name + " " +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"));
    QString path = stem + ".pdf";
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = stem + " (" + QString::number(n) + ").pdf";
    return path;
}

} // namespace

PrintSettings SetPrintSettings(const PrintSettings& settings)
{
    return std::exchange(g_settings, settings);
}

PrintResult PrintPage(const std::string& title, const std::function<void(Dc&, Size)>& draw)
{
    PrintResult result;
    const QPrinterInfo info = g_settings.printer.empty() ? QPrinterInfo::defaultPrinter()
                              : g_settings.printer == kNoPrinter
                                  ? QPrinterInfo()
                                  : QPrinterInfo::printerInfo(QString::fromStdString(g_settings.printer));
    if (!info.isNull()) {
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setDocName(FromAnsi(title));
        result.printer = info.printerName().toStdString();
        if (DrawOn(printer, draw)) {
            result.printed = true;
            return result;
        }
        result.problem = "the printer " + result.printer + " did not take the page";
    } else {
        result.problem = g_settings.printer.empty() || g_settings.printer == kNoPrinter
                             ? "no printer is set up"
                             : "there is no printer " + g_settings.printer;
    }

    const QString path = FreePdfPath(title);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setDocName(FromAnsi(title));
    if (DrawOn(pdf, draw) && QFileInfo::exists(path))
        result.pdfPath = path.toStdString();
    return result;
}

} // namespace platform
