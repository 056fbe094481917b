#include "register/PrintRules.h"

#include <algorithm>
#include <stdexcept>

#include "core/DataModule.h"
#include "core/EventIds.h"
#include "core/Journal.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "register/Enabling.h"
#include "register/ReportMessages.h"
#include "support/Text.h"

namespace vd {

CertMode CertModeFor(PrintMode mode) {
    switch (mode) {
        case PrintMode::Copy: return CertMode::View;
        case PrintMode::Blank: return CertMode::Blank;
        case PrintMode::Imprint: return CertMode::Imprint;
    }
    return CertMode::View;
}

bool ReadOnlyViewFor(TDM& tdm) {
    const EnablingInput in = EnablingInput::From(tdm);
    if (!in.current || !in.current->status) return false;
    const int status = *in.current->status;
    // A document whose status the register cannot name is no valid conclusion either.
    if (status != 7 && status != 10 && status != 11) return false;
    return ComputeMainActions(in).readOnlyView;
}

bool BlankModesEnabled(const Session& session) { return session.readOnlyView || session.duplicatePending; }

bool PrintAllowed(PrintMode mode, bool readOnlyView) { return mode == PrintMode::Copy || readOnlyView; }

std::string ModeHintLine(PrintMode mode, bool readOnlyView, std::int64_t paperNo) {
    if (mode == PrintMode::Copy) return std::string(text::kInsertPlainSheet);
    if (!readOnlyView) return std::string(text::kPrintNotAllowed);
    return std::string(text::kInsertBlank) + ZeroPadded(paperNo, 7);
}

std::uint32_t PrintEventId(PrintMode mode, int status) {
    if (mode != PrintMode::Copy) return event::kPrintedBlank;
    return status == 7 ? event::kPrintedIssuedCopy : event::kPrintedOtherCopy;
}

void WritePrintEvent(TDM& tdm, PrintMode mode, int status, std::string_view referenceNo, std::int64_t paperNo) {
    tdm.GetJournal().WriteEvent(EventType::Information, EventCategory::UserAction, PrintEventId(mode, status),
                                {tdm.GetSession().currentUserName, std::string(referenceNo), ZeroPadded(paperNo, 7)});
}

std::string PrintJobName(PrintMode mode, std::string_view referenceNo, std::string_view reportName) {
    if (mode == PrintMode::Copy) return std::string(reportName) + std::string(text::kCopyJobSuffix);
    return std::string(text::kAppTitle) + ": " + std::string(referenceNo);
}

std::string CopiesText(std::string_view typed) {
    const auto value = ParseInteger(typed);
    if (!value || *value < kMinCopies) return std::to_string(kMinCopies);
    if (*value > kMaxCopies) return std::to_string(kMaxCopies);
    return std::to_string(*value);
}

int CopiesValue(std::string_view typed) { return static_cast<int>(*ParseInteger(CopiesText(typed))); }

std::string OffsetText(std::string_view typed) {
    if (typed == "-") return "-1";
    const auto value = ParseInteger(typed);
    if (!value) return "0";
    return std::to_string(std::clamp<std::int64_t>(*value, -kMaxOffset, kMaxOffset));
}

void StoreOffsets(TDM& tdm, std::string_view leftText, std::string_view topText) {
    tdm.Options().SetUdLeft(static_cast<int>(*ParseInteger(OffsetText(leftText))));
    tdm.Options().SetUdTop(static_cast<int>(*ParseInteger(OffsetText(topText))));
}

void RunPrintAttempts(const std::function<void(int attempt)>& attempt,
                      const std::function<void(int attempt, const std::exception&)>& failed) {
    for (int i = 1; i <= kMaxPrintAttempts; ++i) {
        try {
            attempt(i);
            return;
        } catch (const std::exception& e) {
            if (failed) failed(i, e);
        }
    }
    throw std::runtime_error(std::string(text::kPrintFontFailure));
}

}  // namespace vd
