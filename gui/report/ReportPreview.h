#pragma once

#include <QScrollArea>

#include "report/PreparedReport.h"

namespace vd::gui {

// The prepared pages of a report one under the other on a grey desk, at a zoom: a factor
// (1 is 100 %, 96 dots per inch), or the page width or the whole page fitted into the window.
// The view embeds it; the preview of the register's reports shows it in a dialog.
class ReportPreview : public QScrollArea {
    Q_OBJECT

public:
    explicit ReportPreview(QWidget* parent = nullptr);
    ~ReportPreview() override;

    void SetReport(report::PreparedReport report);
    const report::PreparedReport& Report() const { return report_; }

    // A factor above 0, or kPageWidthZoom / kWholePageZoom.
    void SetZoom(double zoom);
    double Zoom() const { return zoom_; }
    // The factor the pages are drawn at now (the fitted one in the fitting modes).
    double Factor() const { return factor_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    class Sheets;
    void Relayout();

    report::PreparedReport report_;
    Sheets* sheets_;
    double zoom_ = 1.0;
    double factor_ = 1.0;
};

}  // namespace vd::gui
