#include "documents/CheckCert.h"

#include "core/Clock.h"
#include "core/DataModule.h"
#include "core/Session.h"
#include "documents/Messages.h"
#include "support/TextCodec.h"

namespace vd {
namespace {

constexpr std::size_t kMaxTppNameLength = 1000;

}  // namespace

void StatusCheckError::Add(int findingLevel, std::string_view finding) {
    level = findingLevel;
    text += std::string(finding) + "\r";
}

StatusCheckError CheckCert(TDM& tdm, OwnNumber own) {
    StatusCheckError result;
    if (!tdm.RegisterOpen()) return result;
    const Session& session = tdm.GetSession();
    const MasterRecord& m = tdm.Working().master;
    const std::int64_t ownId = own == OwnNumber::ByEditMode && session.editMode == 3 ? 0 : m.id;
    Database& db = tdm.Db();

    if (m.expert != session.currentUserName && m.modifierExpert != session.currentUserName) {
        result.Add(1, text::kExpertChanged);
    }
    if (m.tppName.empty()) result.Add(1, text::kTppNameEmpty);
    if (m.date10 > m.declarationDate) result.Add(1, text::kDate10AfterDate9);
    if (m.dateIssued != tdm.GetClock().Today() && m.modifiedDate == 0) result.Add(2, text::kDateChanged);

    Statement sameNumber(db, "select ReferenceNo from mcod where (ReferenceNo = :ReferenceNo) and (id <> :id) and (status <> 8)");
    sameNumber.BindText(":ReferenceNo", m.referenceNo);
    sameNumber.BindInt(":id", ownId);
    if (sameNumber.Step()) {
        result.Add(2, std::string(text::kNumberPrefix) + m.referenceNo + std::string(text::kAlreadyUsed));
    }
    Statement sameBlank(db, "select PaperNo from mcod  where (id <> " + std::to_string(ownId) + " ) and (PaperNo = " +
                                std::to_string(m.paperNo) + " )");
    if (sameBlank.Step()) {
        result.Add(2, std::string(text::kBlankPrefix) + std::to_string(m.paperNo) + std::string(text::kAlreadyUsed));
    }
    if (m.paperNo == 0) result.Add(2, std::string(text::kBlankPrefix) + std::string(text::kBlankZero));
    if (m.numNum < tdm.ReferenceMin() || m.numNum > tdm.ReferenceMax()) result.Add(2, text::kNumberOutOfRange);
    if (Utf16Length(m.tppName) > kMaxTppNameLength) result.Add(2, text::kTppNameTooLong);
    return result;
}

}  // namespace vd
