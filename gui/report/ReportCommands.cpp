#include "report/ReportCommands.h"

#include <functional>
#include <optional>

#include "core/Workstation.h"
#include "main/MainForm.h"
#include "register/RegisterWindow.h"
#include "report/BatchReports.h"
#include "report/PreviewDialog.h"
#include "report/PrintWindow.h"

namespace vd::gui {
namespace {

void ShowReport(TfMainForm& mainForm, const std::function<std::optional<report::PreparedReport>(TDM&)>& prepare) {
    Workstation& workstation = mainForm.GetWorkstation();
    if (std::optional<report::PreparedReport> prepared = prepare(workstation.tdm)) {
        TfPreview preview(workstation, std::move(*prepared), &mainForm);
        preview.exec();
    }
    // The batch walked the register; the grid and the commands follow where it ended.
    if (TFormList* list = mainForm.Register()) list->Reload();
    mainForm.SetEnableActions();
    if (auto* print = qobject_cast<TfFormPrint*>(mainForm.Window(TfMainForm::WorkingWindow::Print))) {
        print->RefreshModes();
    }
}

}  // namespace

void PlugReportCommands(TfMainForm& mainForm, TFormList& list) {
    list.SetReportHandler(RegisterCommand::ReportCerts,
                          [&mainForm] { ShowReport(mainForm, &report::CertificatesForPrint); });
    list.SetReportHandler(RegisterCommand::ReportListSearch,
                          [&mainForm] { ShowReport(mainForm, &report::SearchListForPrint); });
}

}  // namespace vd::gui
