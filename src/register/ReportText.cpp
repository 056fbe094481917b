#include "register/ReportText.h"

#include "core/DataModule.h"
#include "documents/PhraseDictionary.h"
#include "register/ReportMessages.h"
#include "support/DayNumber.h"
#include "support/Text.h"

namespace vd {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) text += kLineBreak;
        text += parts[i];
    }
    return text;
}

std::string DocumentText(const ReportTextContext& c, int n) {
    if (c.document == nullptr) return {};
    const MasterRecord& d = *c.document;
    switch (n) {
        case 1: return d.declarant;
        case 2: return d.address;
        case 4: return d.supportInfo;
        case 6: return FormatDdMmYyyy(d.declarationDate);
        case 8: return d.tppName;
        case 9: return d.declaratorFio;
        case 10: return d.fio10;
        case 12: return FormatDdMmYyyy(d.date10);
        case 14: return d.referenceNo;
        case 15: return ZeroPadded(d.paperNo, 7);
        case 6004: return std::string(StatusWord(d.status));
        case 6005: return d.expert;
        default: return {};
    }
}

std::string GoodsText(const ReportTextContext& c, int n) {
    if (c.goodsLine == nullptr) return {};
    const GoodsLine& g = *c.goodsLine;
    switch (n) {
        case 21: return g.num;
        case 22:
        case 6006: return g.descriptionGoods;
        case 23:
            if (g.count6Goods.empty()) return g.package6Goods;
            if (g.package6Goods.empty()) return g.count6Goods;
            return g.count6Goods + std::string(kLineBreak) + g.package6Goods;
        case 24: return g.documents;
        // The goods lines keep no criterion column, so its column of the form stays empty.
        case 25: return {};
        case 26: return g.countGoods;
        default: return {};
    }
}

const SearchOptionRow* SearchRowNamed(const ReportTextContext& c, std::string_view part) {
    if (c.searchRows == nullptr) return nullptr;
    const std::string wanted = LowerCase(part);
    for (const SearchOptionRow& row : *c.searchRows) {
        if (LowerCase(row.optionName).find(wanted) != std::string::npos) return &row;
    }
    return nullptr;
}

std::string SearchText(const ReportTextContext& c, int n) {
    if (c.searchRows == nullptr) return {};
    const SearchOptions& rows = *c.searchRows;
    switch (n) {
        case 6101:
        case 6102: {
            // The first five rows are the counts and the list's heading; the report prints them
            // in its title instead.
            if (c.searchRow < 5 || c.searchRow >= static_cast<int>(rows.size())) return {};
            const SearchOptionRow& row = rows[static_cast<std::size_t>(c.searchRow)];
            return n == 6101 ? row.optionName : row.value;
        }
        case 6103:
        case 6104: {
            const SearchOptionRow* row =
                SearchRowNamed(c, n == 6103 ? text::kIssuedFromCondition : text::kIssuedToCondition);
            return row == nullptr ? std::string() : row->value;
        }
        case 6105: {
            if (rows.size() < 2) return {};
            std::string count = rows[1].optionName;
            for (std::size_t at; (at = count.find(text::kFoundCountPrefix)) != std::string::npos;) {
                count.erase(at, text::kFoundCountPrefix.size());
            }
            return count;
        }
        default: return {};
    }
}

}  // namespace

ExpertiseTexts MakeExpertiseTexts(const std::vector<ExpertiseRef>& expertise) {
    std::vector<std::string> dates;
    std::vector<std::string> numbers;
    for (const ExpertiseRef& act : expertise) {
        dates.push_back(FormatDdMmYyyy(act.de));
        numbers.push_back(act.nume);
    }
    return {Joined(dates), Joined(numbers)};
}

std::string_view StatusWord(int status) {
    switch (status) {
        case 6: return "проект";
        case 7: return "выдан";
        case 8: return "испорчен бланк";
        case 9: return "аннулирован";
        case 10: return "дубликат";
        case 11: return "выдан взамен";
        default: return text::kUnknownStatusWord;
    }
}

std::string GetTextOfObj(const ReportTextContext& c, int n) {
    switch (n) {
        case 11: return c.expertise == nullptr ? std::string() : c.expertise->dates;
        case 13: return c.expertise == nullptr ? std::string() : c.expertise->numbers;
        case 6001: return c.reportHeading ? c.reportHeading() : std::string();
        case 6003: return std::string(text::kWorkstationPrefix) + std::to_string(c.numLocale);
        default: break;
    }
    if ((n >= 21 && n <= 26) || n == 6006) return GoodsText(c, n);
    if (n >= 6101 && n <= 6105) return SearchText(c, n);
    return DocumentText(c, n);
}

ReportTextContext ReportTextContextFor(TDM& tdm) {
    ReportTextContext context;
    context.numLocale = tdm.Station().numLocale;
    context.searchRows = &tdm.SearchConditionRows();
    context.reportHeading = [&tdm] { return ReadPhrase(tdm, phrase::kReportHeading); };
    return context;
}

}  // namespace vd
