#include "core/InsertStatements.h"

namespace vd {

InsertStatements::InsertStatements(Database& db)
    : master_(db, sql::kInsertMaster), goods_(db, sql::kInsertGoods), expertise_(db, sql::kInsertExpertise) {}

// Parameters are bound by position: SQLite numbers named parameters in the order they first
// appear, which is the statement's documented parameter order (0 `id` ... 33 `fSize10`).
void InsertStatements::InsertMaster(const MasterRecord& r) {
    int i = 1;
    master_.BindInt(i++, r.id);
    master_.BindInt(i++, r.status);
    master_.BindInt(i++, r.paperNo);
    master_.BindText(i++, r.referenceNo);
    master_.BindInt(i++, r.gNum);
    master_.BindInt(i++, r.numNum);
    master_.BindInt(i++, r.dateIssued);
    master_.BindText(i++, r.expert);
    master_.BindBlobText(i++, r.declarant);
    master_.BindBlobText(i++, r.address);
    master_.BindBlobText(i++, r.supportInfo);
    master_.BindText(i++, r.declaratorFio);
    master_.BindInt(i++, r.declarationDate);
    master_.BindBlobText(i++, r.tppName);
    master_.BindText(i++, r.fio10);
    master_.BindInt(i++, r.date10);
    master_.BindInt(i++, r.modifiedDate);
    master_.BindText(i++, r.modifierExpert);
    master_.BindBlobText(i++, r.comment);
    master_.BindText(i++, r.goDuplicate);
    master_.BindText(i++, r.goInstead);
    master_.BindText(i++, r.goCancel);
    master_.BindText(i++, r.goTrue);
    master_.BindInt(i++, r.lastDate);
    for (const int size : r.fSize) master_.BindInt(i++, size);
    master_.Execute();
}

void InsertStatements::InsertGoods(std::int64_t idM, const GoodsLine& line) {
    goods_.BindInt(1, idM);
    goods_.BindBlobText(2, line.num);
    goods_.BindBlobText(3, line.descriptionGoods);
    goods_.BindBlobText(4, line.count6Goods);
    goods_.BindBlobText(5, line.package6Goods);
    goods_.BindBlobText(6, line.countGoods);
    goods_.BindBlobText(7, line.documents);
    goods_.Execute();
}

void InsertStatements::InsertExpertise(std::int64_t idM, const ExpertiseRef& ref) {
    expertise_.BindInt(1, idM);
    expertise_.BindInt(2, ref.de);
    expertise_.BindText(3, ref.nume);
    expertise_.Execute();
}

}  // namespace vd
