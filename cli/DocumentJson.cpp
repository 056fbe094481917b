#include "DocumentJson.h"

#include <stdexcept>

#include "core/DataModule.h"
#include "documents/TextCleanup.h"
#include "register/RegisterRow.h"
#include "support/DayNumber.h"
#include "support/Files.h"

namespace vd::cli {
namespace {

using nlohmann::json;

std::string Text(const json& input, const char* key, const std::string& fallback) {
    if (!input.contains(key)) return fallback;
    const json& value = input.at(key);
    if (!value.is_string()) throw std::invalid_argument(std::string("\"") + key + "\": ожидается текст");
    return value.get<std::string>();
}

DayNumber Date(const json& input, const char* key, DayNumber fallback) {
    if (!input.contains(key)) return fallback;
    const json& value = input.at(key);
    const auto day = value.is_string() ? ParseDdMmYyyy(value.get<std::string>()) : std::nullopt;
    if (!day) throw std::invalid_argument(std::string("\"") + key + "\": ожидается дата ДД.ММ.ГГГГ");
    return *day;
}

std::string DateText(DayNumber day) { return day == 0 ? std::string() : FormatDdMmYyyy(day); }

}  // namespace

json ReadJsonFile(const std::string& path) {
    try {
        return json::parse(ReadFileBytes(path));
    } catch (const json::exception& e) {
        throw std::invalid_argument(path + ": " + e.what());
    }
}

void ApplyDocumentJson(const json& input, TDM& tdm, EditorFields& fields) {
    if (!input.is_object()) throw std::invalid_argument("ожидается объект JSON");
    fields.declarant = CleanMultiLineText(Text(input, "declarant", fields.declarant));
    fields.address = CleanMultiLineText(Text(input, "address", fields.address));
    fields.supportInfo = CleanMultiLineText(Text(input, "supportInfo", fields.supportInfo));
    fields.declaratorFio = CleanSingleLineText(Text(input, "declaratorFio", fields.declaratorFio));
    fields.fio10 = CleanSingleLineText(Text(input, "fio10", fields.fio10));
    fields.declarationDate = Date(input, "declarationDate", fields.declarationDate);
    fields.date10 = Date(input, "date10", fields.date10);
    if (input.contains("paperNo")) {
        const json& paper = input.at("paperNo");
        // A number, or the text typed into the blank field (the save refuses one that is not a number).
        fields.certNo = paper.is_number_integer() ? std::to_string(paper.get<std::int64_t>())
                                                  : Text(input, "paperNo", fields.certNo);
    }

    WorkingSet& working = tdm.Working();
    if (input.contains("goods")) {
        if (!input.at("goods").is_array()) throw std::invalid_argument("\"goods\": ожидается список");
        working.goods.clear();
        for (const json& line : input.at("goods")) {
            working.goods.push_back(GoodsLine{CleanMultiLineText(Text(line, "num", "")),
                                              CleanMultiLineText(Text(line, "description", "")),
                                              CleanMultiLineText(Text(line, "packageCount", "")),
                                              CleanMultiLineText(Text(line, "packageType", "")),
                                              CleanMultiLineText(Text(line, "quantity", "")),
                                              CleanMultiLineText(Text(line, "documents", ""))});
        }
    }
    if (input.contains("expertise")) {
        if (!input.at("expertise").is_array()) throw std::invalid_argument("\"expertise\": ожидается список");
        working.expertise.clear();
        for (const json& row : input.at("expertise")) {
            ExpertiseRow expertise{std::nullopt, Text(row, "number", "")};
            if (row.contains("date")) expertise.de = Date(row, "date", 0);
            working.expertise.push_back(expertise);
        }
    }
    if (input.contains("fSize")) {
        const json& sizes = input.at("fSize");
        if (!sizes.is_array() || sizes.size() != working.master.fSize.size()) {
            throw std::invalid_argument("\"fSize\": ожидается список из 10 чисел");
        }
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            if (!sizes[i].is_number_integer()) throw std::invalid_argument("\"fSize\": ожидается список из 10 чисел");
            working.master.fSize[i] = sizes[i].get<int>();
        }
    }
    working.modified = true;
}

json RowToJson(const RegisterRow& row) {
    const MasterRecord& r = row.record;
    json out = {{"id", r.id},
                {"status", row.statusReadable ? json(r.status) : json()},
                {"referenceNo", r.referenceNo},
                {"paperNo", r.paperNo},
                {"gNum", r.gNum},
                {"numNum", r.numNum},
                {"dateIssued", DateText(r.dateIssued)},
                {"expert", r.expert},
                {"declarant", r.declarant},
                {"address", r.address},
                {"supportInfo", r.supportInfo},
                {"declaratorFio", r.declaratorFio},
                {"declarationDate", DateText(r.declarationDate)},
                {"tppName", r.tppName},
                {"fio10", r.fio10},
                {"date10", DateText(r.date10)},
                {"modifiedDate", DateText(r.modifiedDate)},
                {"modifierExpert", r.modifierExpert},
                {"comment", r.comment},
                {"pFilter", row.pFilter},
                {"goDuplicate", r.goDuplicate},
                {"goInstead", r.goInstead},
                {"goCancel", r.goCancel},
                {"goTrue", r.goTrue},
                {"lastDate", DateText(r.lastDate)},
                {"fSize", r.fSize}};
    return out;
}

json DocumentToJson(const RegisterRow& row, const std::vector<GoodsLine>& goods,
                    const std::vector<ExpertiseRef>& expertise) {
    json out = RowToJson(row);
    out["goods"] = json::array();
    for (const GoodsLine& line : goods) {
        out["goods"].push_back({{"num", line.num},
                                {"description", line.descriptionGoods},
                                {"packageCount", line.count6Goods},
                                {"packageType", line.package6Goods},
                                {"quantity", line.countGoods},
                                {"documents", line.documents}});
    }
    out["expertise"] = json::array();
    for (const ExpertiseRef& ref : expertise) out["expertise"].push_back({{"date", DateText(ref.de)}, {"number", ref.nume}});
    return out;
}

}  // namespace vd::cli
