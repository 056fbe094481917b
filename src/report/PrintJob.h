#pragma once

#include <string>

#include "register/PrintRules.h"
#include "report/ReportOutput.h"

namespace vd {
class TDM;
}

namespace vd::report {

class ConclusionReport;

struct PrintOutcome {
    bool queued = false;
    // The print window's hint line afterwards.
    std::string hintLine;
    int attempts = 0;
};

// "Отправить на печать" for the register's current document: blank and imprint only while
// ReadOnlyView holds; one copy on a blank, 1 … 99 copies of a copy. Each attempt re-loads the
// document with its stored sizes, journals the print and sends it; a failed attempt is
// journalled and repeated, at most seven times. A failure that ends the attempts is shown to
// the user. The print window selects "Копия" again afterwards.
PrintOutcome SendToPrint(TDM& tdm, ConclusionReport& view, PrintMode mode, int copies, const PrintTarget& target);

}  // namespace vd::report
