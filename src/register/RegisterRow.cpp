#include "register/RegisterRow.h"

#include <vector>

#include "core/Database.h"
#include "core/Schema.h"

namespace vd {
namespace {

// Column positions of a "select *" over mcod, looked up once per statement.
struct Columns {
    explicit Columns(const Statement& q)
        : id(q.ColumnIndex("id")), status(q.ColumnIndex("status")), paperNo(q.ColumnIndex("PaperNo")),
          referenceNo(q.ColumnIndex("ReferenceNo")), gNum(q.ColumnIndex("GNum")), numNum(q.ColumnIndex("NumNum")),
          dateIssued(q.ColumnIndex("DateIssued")), expert(q.ColumnIndex("Expert")),
          declarant(q.ColumnIndex("declarant")), address(q.ColumnIndex("address")),
          supportInfo(q.ColumnIndex("supportInfo")), declaratorFio(q.ColumnIndex("declaratorFio")),
          declarationDate(q.ColumnIndex("declarationDate")), tppName(q.ColumnIndex("TppName")),
          fio10(q.ColumnIndex("fio10")), date10(q.ColumnIndex("date10")), expDate(q.ColumnIndex("expDate")),
          expNumber(q.ColumnIndex("expNumber")), modifiedDate(q.ColumnIndex("modifiedDate")),
          modifierExpert(q.ColumnIndex("modifierExpert")), comment(q.ColumnIndex("comment")),
          pFilter(q.ColumnIndex("pFilter")), goDuplicate(q.ColumnIndex("goDuplicate")),
          goInstead(q.ColumnIndex("goInstead")), goCancel(q.ColumnIndex("goCancel")), goTrue(q.ColumnIndex("goTrue")),
          lastDate(q.ColumnIndex("LastDate")), refNumCC(q.ColumnIndex("RefNumCC")), fSize1(q.ColumnIndex("fSize1")) {}

    int id, status, paperNo, referenceNo, gNum, numNum, dateIssued, expert, declarant, address, supportInfo,
        declaratorFio, declarationDate, tppName, fio10, date10, expDate, expNumber, modifiedDate, modifierExpert,
        comment, pFilter, goDuplicate, goInstead, goCancel, goTrue, lastDate, refNumCC, fSize1;
};

std::int64_t Int(const Statement& q, int column) { return column < 0 ? 0 : q.ColumnIntValue(column).value_or(0); }

std::string Text(const Statement& q, int column) { return column < 0 ? std::string() : q.ColumnBlobText(column); }

}  // namespace

RegisterRow ReadRegisterRow(const Statement& q) {
    const Columns c(q);
    RegisterRow row;
    MasterRecord& r = row.record;
    r.id = Int(q, c.id);
    const auto status = c.status < 0 ? std::nullopt : q.ColumnIntValue(c.status);
    row.statusReadable = status.has_value();
    r.status = static_cast<int>(status.value_or(0));
    r.paperNo = Int(q, c.paperNo);
    r.referenceNo = Text(q, c.referenceNo);
    r.gNum = static_cast<int>(Int(q, c.gNum));
    r.numNum = static_cast<int>(Int(q, c.numNum));
    r.dateIssued = static_cast<DayNumber>(Int(q, c.dateIssued));
    r.expert = Text(q, c.expert);
    r.declarant = Text(q, c.declarant);
    r.address = Text(q, c.address);
    r.supportInfo = Text(q, c.supportInfo);
    r.declaratorFio = Text(q, c.declaratorFio);
    r.declarationDate = static_cast<DayNumber>(Int(q, c.declarationDate));
    r.tppName = Text(q, c.tppName);
    r.fio10 = Text(q, c.fio10);
    r.date10 = static_cast<DayNumber>(Int(q, c.date10));
    r.modifiedDate = static_cast<DayNumber>(Int(q, c.modifiedDate));
    r.modifierExpert = Text(q, c.modifierExpert);
    r.comment = Text(q, c.comment);
    r.goDuplicate = Text(q, c.goDuplicate);
    r.goInstead = Text(q, c.goInstead);
    r.goCancel = Text(q, c.goCancel);
    r.goTrue = Text(q, c.goTrue);
    r.lastDate = static_cast<DayNumber>(Int(q, c.lastDate));
    for (std::size_t i = 0; i < r.fSize.size() && c.fSize1 >= 0; ++i) {
        r.fSize[i] = static_cast<int>(Int(q, c.fSize1 + static_cast<int>(i)));
    }
    row.pFilter = Text(q, c.pFilter);
    if (c.expDate >= 0) row.expDate = q.ColumnIntValue(c.expDate);
    row.expNumber = Text(q, c.expNumber);
    row.refNumCC = Text(q, c.refNumCC);
    return row;
}

std::optional<RegisterRow> ReadDocument(Database& db, std::int64_t id) {
    Statement query(db, "select * from mcod where id = :id");
    query.BindInt(":id", id);
    if (!query.Step()) return std::nullopt;
    return ReadRegisterRow(query);
}

std::vector<GoodsLine> ReadGoodsLines(Database& db, std::int64_t id) {
    Statement query(db, sql::kGoodsOfDocument);
    query.BindInt(":id", id);
    std::vector<GoodsLine> lines;
    while (query.Step()) {
        lines.push_back(GoodsLine{query.ColumnBlobText(1), query.ColumnBlobText(2), query.ColumnBlobText(3),
                                  query.ColumnBlobText(4), query.ColumnBlobText(5), query.ColumnBlobText(6)});
    }
    return lines;
}

std::vector<ExpertiseRef> ReadExpertise(Database& db, std::int64_t id) {
    Statement query(db, sql::kExpertiseOfDocument);
    query.BindInt(":id", id);
    std::vector<ExpertiseRef> refs;
    while (query.Step()) {
        refs.push_back(ExpertiseRef{static_cast<DayNumber>(query.ColumnIntValue(1).value_or(0)), query.ColumnBlobText(2)});
    }
    return refs;
}

}  // namespace vd
