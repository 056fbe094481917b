#pragma once

#include <QImage>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "report/PreparedReport.h"

class QPainter;

namespace vd::report {

// A page could not be written or sent to the printer.
class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Draws a prepared page with the painter's origin at the paper's top left corner on a device
// of `dotsPerInch`; the preview passes its zoom in it (96 dpi is 100 %).
void DrawPage(QPainter& painter, const PreparedPage& page, double dotsPerInch);
// A page as a picture on white paper, for the preview.
QImage RenderPage(const PreparedPage& page, double dotsPerInch);

// Where a prepared report goes: a PDF file, or a printer by name (empty: the system's default).
struct PrintTarget {
    std::filesystem::path pdfFile;
    std::string printerName;
    bool ToPdf() const { return !pdfFile.empty(); }
};

// Sends the report `copies` times, each time as one job named `jobName`, without a dialog. A
// PDF file receives the copies one after another, as the printer would print them; it is
// written whole or not at all.
void Output(const PreparedReport& report, const PrintTarget& target, const std::string& jobName, int copies);
void WritePdf(const PreparedReport& report, const std::filesystem::path& file, const std::string& title, int copies);
void PrintToPrinter(const PreparedReport& report, const std::string& printerName, const std::string& jobName, int copies);

}  // namespace vd::report
