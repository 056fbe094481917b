#include "report/RegisterData.h"

#include "core/Clock.h"
#include "core/DataModule.h"
#include "register/RegisterQuery.h"
#include "register/RegisterRow.h"
#include "support/DayNumber.h"

namespace vd::report {

RegisterData::RegisterData(TDM& tdm) : tdm_(tdm), context_(ReportTextContextFor(tdm)) {
    context_.expertise = &expertise_;
}

void RegisterData::LoadCurrentDocument() {
    document_.reset();
    goods_.clear();
    expertise_ = {};
    goodsLine_ = -1;
    if (tdm_.RegisterOpen()) {
        RegisterQuery& query = tdm_.ASQM();
        if (const RegisterRow* row = query.Current()) {
            document_ = row->record;
            goods_ = query.CurrentGoods();
            expertise_ = MakeExpertiseTexts(ReadExpertise(tdm_.Db(), document_->id));
        }
    }
    SelectGoodsLine(0);
}

void RegisterData::SelectGoodsLine(int index) {
    goodsLine_ = index >= 0 && index < static_cast<int>(goods_.size()) ? index : -1;
}

int RegisterData::RowCount(std::string_view source) {
    if (source == kGoods) return static_cast<int>(goods_.size());
    if (source == kSearch) return static_cast<int>(tdm_.SearchConditionRows().size());
    if (source == kRegister) return tdm_.RegisterOpen() ? tdm_.ASQM().RowCount() : 0;
    return 0;
}

void RegisterData::SelectRow(std::string_view source, int row) {
    if (source == kGoods) {
        SelectGoodsLine(row);
    } else if (source == kSearch) {
        context_.searchRow = row;
    } else if (source == kRegister && tdm_.RegisterOpen()) {
        tdm_.ASQM().MoveTo(row);
        LoadCurrentDocument();
    }
}

std::string RegisterData::TextOfObj(int code) {
    context_.document = Document();
    context_.goodsLine = goodsLine_ < 0 ? nullptr : &goods_[static_cast<std::size_t>(goodsLine_)];
    return GetTextOfObj(context_, code);
}

std::string RegisterData::Today() { return FormatDdMmYyyy(tdm_.GetClock().Today()); }

}  // namespace vd::report
