#pragma once

#include <QDialog>

#include "report/PreparedReport.h"

class QAction;

namespace vd {
struct Workstation;
}

namespace vd::gui {

class ReportPreview;

// A report of the register ("Заключения на печать", "Список на печать") in a preview of its
// own, with printing through the system's print dialog and saving as PDF.
class TfPreview : public QDialog {
    Q_OBJECT

public:
    TfPreview(Workstation& workstation, report::PreparedReport report, QWidget* parent = nullptr);

    ReportPreview* Preview() const { return preview_; }
    QAction* PdfAction() const { return pdf_; }

    void aPrintExecute();
    void aPdfExecute();

private:
    Workstation& workstation_;
    ReportPreview* preview_;
    QAction* pdf_ = nullptr;
};

}  // namespace vd::gui
