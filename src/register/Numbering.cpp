#include "register/Numbering.h"

#include <cstdio>

#include "core/Clock.h"
#include "core/DataModule.h"
#include "core/Journal.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "core/UserInterface.h"
#include "register/Messages.h"

namespace vd {
namespace {

std::optional<std::int64_t> SingleInt(Database& db, const std::string& sql) {
    Statement query(db, sql);
    if (!query.Step()) return std::nullopt;
    return query.ColumnIntValue(0);
}

}  // namespace

int YearDigit(DayNumber day) { return ToCalendarDate(day).year % 10; }

std::string MakeReferenceNo(int yearDigit, int chamber, std::int64_t number, bool unsaved) {
    char text[48];
    std::snprintf(text, sizeof text, unsaved ? "%1d%3.3dXX%6.6lld" : "%1d%3.3d%6.6lld", yearDigit, chamber,
                  static_cast<long long>(number));
    return text;
}

void SetMaxIdToTag(TDM& tdm) {
    Session& session = tdm.GetSession();
    session.nextDocumentNo = 0;
    try {
        Database& db = tdm.Db();
        const std::int64_t min = tdm.ReferenceMin();
        const std::int64_t max = tdm.ReferenceMax();
        Statement used(db, "select NumNum from mcod where (GNum = " + std::to_string(YearDigit(tdm.GetClock().Today())) +
                               ") and (NumNum >= " + std::to_string(min) + ") and (NumNum <= " + std::to_string(max) +
                               ")" + " and (status <> " + "8" + ") order by NumNum");
        std::int64_t candidate = min;
        while (used.Step()) {
            const std::int64_t number = used.ColumnInt(0);
            // A number held twice is passed over, so the walk still ends at the first gap.
            if (number < candidate) continue;
            if (number != candidate) break;
            ++candidate;
        }
        if (candidate != 0 && candidate <= max) {
            session.nextDocumentNo = candidate;
        } else {
            tdm.Ui().Error(text::kProductName, text::kNoFreeNumber);
        }

        // The blank after the one of the newest document, unless that is in use already; then
        // one more than the highest blank in use.
        const std::int64_t newest = tdm.GetNewId() - 1;
        session.nextBlankNo = 0;
        if (const auto paper = SingleInt(db, "select PaperNo as CertNo from mcod where id = " + std::to_string(newest))) {
            session.nextBlankNo = *paper + 1;
        }
        if (session.nextBlankNo != 0 &&
            SingleInt(db, "select count(*) as CertNo from mcod where PaperNo = " + std::to_string(session.nextBlankNo))
                    .value_or(0) > 0) {
            session.nextBlankNo = 0;
        }
        if (session.nextBlankNo == 0) {
            const auto highest = SingleInt(db, "select max(PaperNo) as CertNo from mcod");
            session.nextBlankNo = highest ? *highest + 1 : 0;
        }
    } catch (const std::exception& e) {
        tdm.GetJournal().ReportError("uDataVD.TDM.SetMaxIdToTag", e.what());
    }
}

}  // namespace vd
