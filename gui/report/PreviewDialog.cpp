#include "report/PreviewDialog.h"

#include <QAction>
#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QToolBar>
#include <QVBoxLayout>

#include <string>

#include "core/Messages.h"
#include "core/UserInterface.h"
#include "core/Workstation.h"
#include "register/ViewZoom.h"
#include "report/ReportOutput.h"
#include "report/ReportPreview.h"
#include "report/ReportWindowTexts.h"
#include "support/Guarded.h"
#include "support/QtText.h"

namespace vd::gui {
namespace {

QAction* AddCommand(QToolBar& bar, const char* name, std::string_view caption, std::string_view hint,
                    QStyle::StandardPixmap icon) {
    QAction* action = bar.addAction(bar.style()->standardIcon(icon), ToQString(caption));
    action->setObjectName(QString::fromLatin1(name));
    if (!hint.empty()) action->setToolTip(ToQString(hint));
    return action;
}

}  // namespace

TfPreview::TfPreview(Workstation& workstation, report::PreparedReport report, QWidget* parent)
    : QDialog(parent), workstation_(workstation), preview_(new ReportPreview(this)) {
    setObjectName(QStringLiteral("fPreview"));
    setWindowTitle(ToQString(kPreviewCaption) + QStringLiteral(" - ") + QString::fromStdString(report.name));
    resize(900, 760);
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(AddCommand(*bar, "aPrint", kPreviewPrint, kPreviewPrintHint, QStyle::SP_FileIcon), &QAction::triggered,
            this, &TfPreview::aPrintExecute);
    pdf_ = AddCommand(*bar, "aPdf", kPreviewPdf, kPreviewPdfHint, QStyle::SP_DialogSaveButton);
    connect(pdf_, &QAction::triggered, this, &TfPreview::aPdfExecute);
    bar->addSeparator();
    const std::array<std::pair<const ActionText*, double (*)(double)>, 2> zooms = {{
        {&kViewActions[static_cast<std::size_t>(ViewCommand::ZoomOut)], &ZoomOut},
        {&kViewActions[static_cast<std::size_t>(ViewCommand::ZoomIn)], &ZoomIn},
    }};
    for (const auto& [text, step] : zooms) {
        auto* action = AddCommand(*bar, text->name, text->caption, text->hint, text->icon);
        connect(action, &QAction::triggered, this, [this, step] { preview_->SetZoom(step(preview_->Factor())); });
    }
    bar->addSeparator();
    connect(AddCommand(*bar, "aClose", kPreviewClose, {}, QStyle::SP_DialogCloseButton), &QAction::triggered, this,
            &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(preview_, 1);
    preview_->SetZoom(kPageWidthZoom);
    preview_->SetReport(std::move(report));
}

void TfPreview::aPrintExecute() {
    Guarded(workstation_.journal, "FormView.TfPreview.aPrintExecute", [&] {
        const std::string& chosen = workstation_.session.selectedPrinterName;
        QPrinter printer(chosen.empty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(ToQString(chosen)));
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted) return;
        const report::PreparedReport& shown = preview_->Report();
        try {
            if (!printer.outputFileName().isEmpty()) {
                report::WritePdf(shown, ToUtf8(printer.outputFileName()), shown.name, printer.copyCount());
            } else {
                report::PrintToPrinter(shown, ToUtf8(printer.printerName()), shown.name, printer.copyCount());
            }
        } catch (const std::exception& e) {
            workstation_.tdm.Ui().ShowMessage(MessageKind::Error, text::kAppTitle, e.what(), Buttons::Ok);
            throw;
        }
    });
}

void TfPreview::aPdfExecute() {
    Guarded(workstation_.journal, "FormView.TfPreview.aPdfExecute", [&] {
        const report::PreparedReport& shown = preview_->Report();
        const std::optional<std::string> file = workstation_.tdm.Ui().ChooseSaveFile(
            kPdfChooserTitle, ToUtf8(QDir::homePath()), (shown.name.empty() ? "VD" : shown.name) + ".pdf", kPdfFilter);
        if (!file) return;
        try {
            report::WritePdf(shown, *file, shown.name, 1);
        } catch (const std::exception& e) {
            workstation_.tdm.Ui().ShowMessage(MessageKind::Error, text::kAppTitle, e.what(), Buttons::Ok);
            throw;
        }
    });
}

}  // namespace vd::gui
