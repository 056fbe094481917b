#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/MasterRecord.h"
#include "register/ReportText.h"
#include "report/ReportData.h"

namespace vd {
class TDM;
}

namespace vd::report {

// The program's data sources for templates: "register" (the register's rows; selecting one
// moves the register), "goods" (the goods lines of the document) and "search" (the last
// search's conditions), with the report text function over them.
class RegisterData : public ReportData {
public:
    inline static constexpr std::string_view kRegister = "register";
    inline static constexpr std::string_view kGoods = "goods";
    inline static constexpr std::string_view kSearch = "search";

    explicit RegisterData(TDM& tdm);

    // Takes the register's current row as the document, with its goods lines and expertise
    // texts re-read; no document when the register has no current row.
    void LoadCurrentDocument();
    bool HasDocument() const { return document_.has_value(); }
    const MasterRecord* Document() const { return document_ ? &*document_ : nullptr; }
    const std::vector<GoodsLine>& Goods() const { return goods_; }
    const ExpertiseTexts& Expertise() const { return expertise_; }
    // The goods line the goods band's texts read (the first one until the band selects another).
    void SelectGoodsLine(int index);

    int RowCount(std::string_view source) override;
    void SelectRow(std::string_view source, int row) override;
    std::string TextOfObj(int code) override;
    std::string Today() override;

private:
    TDM& tdm_;
    ReportTextContext context_;
    std::optional<MasterRecord> document_;
    std::vector<GoodsLine> goods_;
    ExpertiseTexts expertise_;
    int goodsLine_ = -1;
};

}  // namespace vd::report
