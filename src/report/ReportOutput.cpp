#include "report/ReportOutput.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>
#include <functional>
#include <system_error>

namespace vd::report {
namespace {

QPointF Units(double xMm, double yMm) { return {xMm * kUnitsPerMm, yMm * kUnitsPerMm}; }

QPen Pen(double widthMm) {
    QPen pen(Qt::black);
    pen.setWidthF(widthMm * kUnitsPerMm);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void DrawFrame(QPainter& painter, const PageItem& item) {
    const QRectF& r = item.rect;
    painter.setPen(Pen(item.lineWidth));
    if (item.frame.top) painter.drawLine(Units(r.left(), r.top()), Units(r.right(), r.top()));
    if (item.frame.bottom) painter.drawLine(Units(r.left(), r.bottom()), Units(r.right(), r.bottom()));
    if (item.frame.left) painter.drawLine(Units(r.left(), r.top()), Units(r.left(), r.bottom()));
    if (item.frame.right) painter.drawLine(Units(r.right(), r.top()), Units(r.right(), r.bottom()));
}

QPageSize PageSizeOf(const PreparedPage& page) {
    // A template of 210 x 297 mm prints as the printer's A4, not as a custom size.
    return QPageSize(QSizeF(page.width, page.height), QPageSize::Millimeter);
}

void DrawAll(QPainter& painter, const PreparedReport& report, int copies, double dotsPerInch,
             const std::function<void(const PreparedPage&)>& newPage) {
    bool first = true;
    for (int copy = 0; copy < copies; ++copy) {
        for (const PreparedPage& page : report.pages) {
            if (!first) newPage(page);
            first = false;
            DrawPage(painter, page, dotsPerInch);
        }
    }
}

}  // namespace

void DrawPage(QPainter& painter, const PreparedPage& page, double dotsPerInch) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(dotsPerInch / kUnitsPerInch, dotsPerInch / kUnitsPerInch);
    painter.setBrush(Qt::NoBrush);
    for (const PageItem& item : page.items) {
        switch (item.kind) {
            case PageItem::Kind::Rect:
                painter.setPen(Pen(item.lineWidth));
                painter.drawRect(QRectF(Units(item.rect.left(), item.rect.top()),
                                        Units(item.rect.right(), item.rect.bottom())));
                break;
            case PageItem::Kind::Line:
                painter.setPen(Pen(item.lineWidth));
                painter.drawLine(Units(item.line.x1(), item.line.y1()), Units(item.line.x2(), item.line.y2()));
                break;
            case PageItem::Kind::Text:
                if (item.frame.Any()) DrawFrame(painter, item);
                painter.setPen(Qt::black);
                painter.setFont(item.font);
                for (const TextLine& line : item.lines) painter.drawText(Units(line.x, line.baseline), line.text);
                break;
        }
    }
    painter.restore();
}

QImage RenderPage(const PreparedPage& page, double dotsPerInch) {
    const int width = std::max(1, static_cast<int>(std::lround(page.width / 25.4 * dotsPerInch)));
    const int height = std::max(1, static_cast<int>(std::lround(page.height / 25.4 * dotsPerInch)));
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(std::lround(dotsPerInch / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dotsPerInch / 0.0254)));
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawPage(painter, page, dotsPerInch);
    return image;
}

void Output(const PreparedReport& report, const PrintTarget& target, const std::string& jobName, int copies) {
    if (target.ToPdf()) WritePdf(report, target.pdfFile, jobName, copies);
    else PrintToPrinter(report, target.printerName, jobName, copies);
}

void WritePdf(const PreparedReport& report, const std::filesystem::path& file, const std::string& title, int copies) {
    if (report.pages.empty()) throw OutputError("Отчёт пуст: нечего записать в " + file.string());
    // Written beside the target and renamed at the end, so a failure leaves no half a file.
    std::filesystem::path partial = file;
    partial += ".part";
    // Whatever goes wrong before the rename, the partial file goes with it.
    struct PartialFile {
        std::filesystem::path path;
        ~PartialFile() {
            std::error_code ignored;
            std::filesystem::remove(path, ignored);
        }
    } guard{partial};
    bool written = false;
    {
        QPdfWriter writer(QString::fromStdString(partial.string()));
        writer.setResolution(static_cast<int>(kUnitsPerInch));
        writer.setTitle(QString::fromStdString(title));
        writer.setCreator(QStringLiteral("Vardelo VD"));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setPageSize(PageSizeOf(report.pages.front()));
        QPainter painter;
        if (!painter.begin(&writer)) throw OutputError("Не удалось записать файл " + file.string());
        DrawAll(painter, report, copies, kUnitsPerInch, [&](const PreparedPage& page) {
            writer.setPageSize(PageSizeOf(page));
            writer.newPage();
        });
        written = painter.end();
    }
    std::error_code error;
    if (written) std::filesystem::rename(partial, file, error);
    if (!written || error) throw OutputError("Не удалось записать файл " + file.string());
}

void PrintToPrinter(const PreparedReport& report, const std::string& printerName, const std::string& jobName,
                    int copies) {
    if (report.pages.empty()) throw OutputError("Отчёт пуст: нечего печатать");
    const QPrinterInfo info = printerName.empty() ? QPrinterInfo::defaultPrinter()
                                                  : QPrinterInfo::printerInfo(QString::fromStdString(printerName));
    if (info.isNull()) {
        throw OutputError(printerName.empty() ? std::string("В системе не задан принтер по умолчанию")
                                              : "Принтер не найден: " + printerName);
    }
    // Each copy is a job of its own, as the spooler of a blank-form printer expects.
    for (int copy = 0; copy < copies; ++copy) {
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setDocName(QString::fromStdString(jobName));
        printer.setFullPage(true);
        printer.setCopyCount(1);
        printer.setPageSize(PageSizeOf(report.pages.front()));
        QPainter painter;
        if (!painter.begin(&printer)) throw OutputError("Принтер " + info.printerName().toStdString() + " не принял задание");
        DrawAll(painter, report, 1, printer.resolution(), [&](const PreparedPage& page) {
            printer.setPageSize(PageSizeOf(page));
            printer.newPage();
        });
        if (!painter.end()) throw OutputError("Принтер " + info.printerName().toStdString() + " не принял задание");
    }
}

}  // namespace vd::report
