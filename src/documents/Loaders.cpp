#include "documents/Loaders.h"

#include <algorithm>

#include "core/Clock.h"
#include "core/DataModule.h"
#include "core/Session.h"
#include "register/Messages.h"
#include "register/Numbering.h"
#include "register/RegisterQuery.h"
#include "support/Text.h"
#include "support/TextCodec.h"

namespace vd {
namespace {

constexpr int kDefaultFontSize = 10;

// Numbering for a new document: a free number and a new id, or nothing at all.
bool ReserveNumbers(TDM& tdm, std::int64_t& id) {
    if (!tdm.RegisterOpen()) return false;
    SetMaxIdToTag(tdm);
    if (tdm.GetSession().nextDocumentNo == 0) return false;
    id = tdm.GetNewId();
    if (id == -1) return false;
    // The expert types the blank number himself when the proposal is switched off.
    if (!tdm.Options().AutoCertNumber()) tdm.GetSession().nextBlankNo = 0;
    return true;
}

std::vector<ExpertiseRow> ToRows(const std::vector<ExpertiseRef>& refs) {
    std::vector<ExpertiseRow> rows;
    for (const ExpertiseRef& ref : refs) rows.push_back(ExpertiseRow{ref.de, ref.nume});
    return rows;
}

// "2054 000017": the first four characters of a reference number, a blank, and the rest.
std::string SplitReference(const std::string& referenceNo) {
    const std::string head = Utf16Left(referenceNo, 4);
    std::string tail = referenceNo.substr(head.size());
    return head + " " + Utf16Left(tail, 24);
}

// What every new document starts with: its id, the next number of the range and the proposed
// blank, today's dates, the user as its expert and the chamber of the station.
MasterRecord FreshRecord(const TDM& tdm, std::int64_t id, bool unsaved) {
    const Session& session = tdm.GetSession();
    const DayNumber today = tdm.GetClock().Today();
    MasterRecord m;
    m.id = id;
    m.paperNo = session.nextBlankNo;
    m.gNum = YearDigit(today);
    m.numNum = static_cast<int>(session.nextDocumentNo);
    m.referenceNo = MakeReferenceNo(m.gNum, tdm.Station().tppNumber, m.numNum, unsaved);
    m.dateIssued = m.declarationDate = m.date10 = today;
    m.lastDate = m.dateIssued;
    m.modifiedDate = 0;
    m.expert = session.currentUserName;
    m.tppName = tdm.Station().tppName;
    m.fSize.fill(kDefaultFontSize);
    return m;
}

}  // namespace

bool NewDocument(TDM& tdm) {
    std::int64_t id = 0;
    if (!ReserveNumbers(tdm, id)) return false;
    MasterRecord m = FreshRecord(tdm, id, true);
    m.status = 6;

    WorkingSet& working = tdm.Working();
    working = WorkingSet{};
    working.master = m;
    working.modified = true;
    tdm.GetSession().editMode = 1;
    return true;
}

bool SetEditFields(TDM& tdm) {
    if (!tdm.RegisterOpen()) return false;
    RegisterQuery& query = tdm.ASQM();
    const RegisterRow* current = query.Current();
    if (!current) return false;
    const MasterRecord source = current->record;
    Session& session = tdm.GetSession();
    // A number outside the range is kept (the save reports it), but only while the range still
    // has room: otherwise the editor does not open at all.
    if (source.numNum == 0 || source.numNum < tdm.ReferenceMin() || source.numNum > tdm.ReferenceMax()) {
        SetMaxIdToTag(tdm);
        if (session.nextDocumentNo == 0) return false;
    }
    MasterRecord m = source;
    m.gNum = YearDigit(tdm.GetClock().Today());
    m.tppName = tdm.Station().tppName;
    m.expert = session.currentUserName;
    for (int& size : m.fSize) {
        if (size < 6 || size > 10) size = kDefaultFontSize;
    }

    WorkingSet& working = tdm.Working();
    working = WorkingSet{};
    working.master = m;
    working.goods = query.CurrentGoods();
    working.expertise = ToRows(query.CurrentExpertise());
    working.modified = false;
    session.editedDocumentId = m.id;
    return true;
}

bool Template(TDM& tdm, bool duplicate) {
    if (!tdm.RegisterOpen()) return false;
    RegisterQuery& query = tdm.ASQM();
    const RegisterRow* current = query.Current();
    if (!current) return false;
    const MasterRecord source = current->record;
    const std::vector<GoodsLine> goods = query.CurrentGoods();
    const std::vector<ExpertiseRow> expertise = ToRows(query.CurrentExpertise());

    std::int64_t id = 0;
    if (!ReserveNumbers(tdm, id)) return false;
    const Session& session = tdm.GetSession();
    const DayNumber today = tdm.GetClock().Today();

    MasterRecord m = FreshRecord(tdm, id, false);
    m.declarant = source.declarant;
    m.address = source.address;
    m.declaratorFio = source.declaratorFio;
    m.fio10 = source.fio10;

    if (duplicate) {
        m.status = 10;
        m.dateIssued = source.dateIssued;
        m.modifiedDate = today;
        m.modifierExpert = session.currentUserName;
        m.lastDate = m.modifiedDate;
        m.goTrue = source.referenceNo;
        // The date of the original's declaration, as the note of a replacement carries it.
        m.supportInfo = std::string(text::kDuplicateNote) + SplitReference(source.referenceNo) + " от " +
                        FormatDdMmYyyy(source.declarationDate) + "\r\n" + source.supportInfo;
    } else {
        m.status = 6;
        m.supportInfo = source.supportInfo;
        if (source.status == 8) {
            // A spoiled blank's conclusion is made again on a new blank under the same number.
            m.referenceNo = source.referenceNo;
            m.numNum = static_cast<int>(ParseInteger(source.referenceNo.substr(std::min<std::size_t>(4, source.referenceNo.size()), 6)).value_or(0));
        }
        if (session.editMode == 7) {
            m.goCancel = source.referenceNo;
            m.status = 12;
            m.supportInfo = std::string(text::kReplacementNote) + SplitReference(source.referenceNo) + " от " +
                            FormatDdMmYyyy(source.declarationDate) + "\r\n" + source.supportInfo;
        }
    }

    WorkingSet& working = tdm.Working();
    working = WorkingSet{};
    working.master = m;
    working.goods = goods;
    working.expertise = expertise;
    working.modified = true;
    return true;
}

}  // namespace vd
