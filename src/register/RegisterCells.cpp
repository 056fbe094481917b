#include "register/RegisterCells.h"

#include "support/DayNumber.h"
#include "support/Text.h"

namespace vd {
namespace {

CellText Date(DayNumber day) { return {day == 0 ? std::string() : FormatDdMmYyyy(day), CellAlignment::Centre}; }

CellText Line(std::string_view text) { return {OneLine(text), CellAlignment::Left}; }

CellText Number(std::int64_t value) { return {std::to_string(value), CellAlignment::Right}; }

}  // namespace

std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return line;
}

CellText RegisterCell(const RegisterRow& row, std::string_view field) {
    const MasterRecord& r = row.record;
    if (field == "ReferenceNo") return {OneLine(r.referenceNo), CellAlignment::Centre};
    if (field == "PaperNo") return {ExactDigits(r.paperNo, 7), CellAlignment::Centre};
    if (field == "DateIssued") return Date(r.dateIssued);
    if (field == "declarationDate") return Date(r.declarationDate);
    if (field == "date10") return Date(r.date10);
    if (field == "modifiedDate") return Date(r.modifiedDate);
    if (field == "LastDate") return Date(r.lastDate);
    if (field == "Expert") return Line(r.expert);
    if (field == "declarant") return Line(r.declarant);
    if (field == "address") return Line(r.address);
    if (field == "supportInfo") return Line(r.supportInfo);
    if (field == "declaratorFio") return Line(r.declaratorFio);
    if (field == "TppName") return Line(r.tppName);
    if (field == "fio10") return Line(r.fio10);
    if (field == "modifierExpert") return Line(r.modifierExpert);
    if (field == "comment") return Line(r.comment);
    if (field == "goDuplicate") return Line(r.goDuplicate);
    if (field == "goInstead") return Line(r.goInstead);
    if (field == "goCancel") return Line(r.goCancel);
    if (field == "goTrue") return Line(r.goTrue);
    if (field == "GNum") return Number(r.gNum);
    if (field == "NumNum") return Number(r.numNum);
    if (field == "status") return row.statusReadable ? Number(r.status) : CellText{};
    if (field == "id") return Number(r.id);
    return {};
}

CellText GoodsCell(const GoodsLine& line, std::string_view field) {
    if (field == "num") return Line(line.num);
    if (field == "descriptionGoods") return Line(line.descriptionGoods);
    if (field == "count6Goods") return Line(line.count6Goods);
    if (field == "package6Goods") return Line(line.package6Goods);
    if (field == "countGoods") return Line(line.countGoods);
    if (field == "documents") return Line(line.documents);
    return {};
}

}  // namespace vd
