#include "report/PrintJob.h"

#include <algorithm>
#include <stdexcept>

#include "core/DataModule.h"
#include "core/Journal.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "core/UserInterface.h"
#include "register/ReportMessages.h"
#include "report/ConclusionReport.h"

namespace vd::report {

PrintOutcome SendToPrint(TDM& tdm, ConclusionReport& view, PrintMode mode, int copies, const PrintTarget& target) {
    PrintOutcome outcome;
    // The window's flag, and the register's own rule as a second look: a blank never receives a
    // project, a spoiled or a cancelled conclusion, whatever the window last computed.
    const bool readOnlyView = tdm.GetSession().readOnlyView && ReadOnlyViewFor(tdm);
    if (!PrintAllowed(mode, readOnlyView)) {
        outcome.hintLine = text::kPrintNotAllowed;
        return outcome;
    }
    const int sheets = mode == PrintMode::Copy ? std::clamp(copies, kMinCopies, kMaxCopies) : 1;
    try {
        RunPrintAttempts(
            [&](int attempt) {
                outcome.attempts = attempt;
                view.LoadForPrinting();
                const MasterRecord* document = view.Document();
                if (document == nullptr) throw std::runtime_error("в реестре нет текущего заключения");
                WritePrintEvent(tdm, mode, document->status, document->referenceNo, document->paperNo);
                const std::string jobName = PrintJobName(mode, document->referenceNo, view.ReportName());
                view.Print(mode, jobName, sheets, target);
            },
            // The attempt's own cause would be lost behind the final message otherwise.
            [&](int, const std::exception& e) { tdm.GetJournal().ReportError(location::kPrintSend, e.what()); });
        outcome.queued = true;
        outcome.hintLine = text::kJobQueued;
    } catch (const std::exception& e) {
        outcome.hintLine = text::kJobFailed;
        tdm.Ui().ShowMessage(MessageKind::Error, text::kAppTitle, e.what(), Buttons::Ok);
    }
    return outcome;
}

}  // namespace vd::report
