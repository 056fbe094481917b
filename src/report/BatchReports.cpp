#include "report/BatchReports.h"

#include <functional>

#include "core/DataModule.h"
#include "core/Journal.h"
#include "core/Messages.h"
#include "core/UserInterface.h"
#include "register/RegisterQuery.h"
#include "register/ReportMessages.h"
#include "register/ReportObjects.h"
#include "report/ConclusionReport.h"
#include "report/RegisterData.h"
#include "report/ReportEngine.h"
#include "report/TemplateReader.h"

namespace vd::report {
namespace {

std::optional<PreparedReport> Reported(TDM& tdm, std::string_view location,
                                       const std::function<PreparedReport()>& prepare) {
    try {
        return prepare();
    } catch (const std::exception& e) {
        tdm.Ui().SetStatusText(text::kJobFailed);
        tdm.GetJournal().ReportError(location, e.what());
        tdm.Ui().ShowMessage(MessageKind::Error, text::kAppTitle, e.what(), Buttons::Ok);
        return std::nullopt;
    }
}

}  // namespace

PreparedReport PrepareCertificatesForPrint(TDM& tdm, const std::filesystem::path& templateFolder) {
    RegisterData captionData(tdm);
    captionData.LoadCurrentDocument();
    PreparedReport result = PrepareReport(ReadTemplate(templateFolder / kCertificatesCaptionTemplate), captionData);
    if (!tdm.RegisterOpen()) return result;
    RegisterQuery& query = tdm.ASQM();
    ConclusionReport conclusion(tdm, templateFolder);
    for (int row = query.RowCount() - 1; row >= 0; --row) {
        query.MoveTo(row);
        conclusion.LoadForPrinting();
        PrepareReport(conclusion.Template(), conclusion.Data(), result);
    }
    return result;
}

PreparedReport PrepareSearchList(TDM& tdm, const std::filesystem::path& templateFolder) {
    const Report list = ReadTemplate(templateFolder / kSearchReportTemplate);
    RegisterData data(tdm);
    data.LoadCurrentDocument();
    // The list walks the register; the user's row is given back even when it fails.
    struct KeepRow {
        TDM& tdm;
        int row;
        ~KeepRow() {
            if (row >= 0 && tdm.RegisterOpen()) tdm.ASQM().MoveTo(row);
        }
    } keep{tdm, tdm.RegisterOpen() ? tdm.ASQM().CurrentIndex() : -1};
    return PrepareReport(list, data);
}

std::optional<PreparedReport> CertificatesForPrint(TDM& tdm) {
    return Reported(tdm, location::kPrintCertificates,
                    [&] { return PrepareCertificatesForPrint(tdm, tdm.GetPaths().DataDir()); });
}

std::optional<PreparedReport> SearchListForPrint(TDM& tdm) {
    return Reported(tdm, location::kPrintSearchList, [&] { return PrepareSearchList(tdm, tdm.GetPaths().DataDir()); });
}

}  // namespace vd::report
