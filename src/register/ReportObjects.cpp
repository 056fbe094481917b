#include "register/ReportObjects.h"

namespace vd {
namespace {

constexpr int kMaxNumbered = 100;
constexpr int kGoodsColumns = 6;

// prefix1, prefix2, ... up to the first number the template lacks.
void Numbered(std::vector<std::pair<std::string, bool>>& out, std::string_view prefix, int last, bool visible,
              const std::function<bool(std::string_view)>& exists) {
    for (int i = 1; i <= last; ++i) {
        std::string name = std::string(prefix) + std::to_string(i);
        if (!exists(name)) break;
        out.emplace_back(std::move(name), visible);
    }
}

}  // namespace

std::string TextOfObjExpression(int code) { return "[GetTextOfObj(" + std::to_string(code) + ");]"; }

std::vector<std::pair<std::string, bool>> CertVisibility(CertMode mode,
                                                         const std::function<bool(std::string_view)>& exists) {
    std::vector<std::pair<std::string, bool>> out;
    const bool design = mode == CertMode::View;
    const bool data = mode != CertMode::Imprint;
    Numbered(out, report_object::kDesignPrefix, kMaxNumbered, design, exists);
    if (exists(report_object::kBlankNumber)) out.emplace_back(report_object::kBlankNumber, design);
    Numbered(out, report_object::kFieldPrefix, kMaxNumbered, data, exists);
    if (exists(report_object::kPageMemo)) out.emplace_back(report_object::kPageMemo, data);
    Numbered(out, report_object::kGoodsPrefix, kGoodsColumns, data, exists);
    // The number, the declaration and the expertise are what an imprint adds to a filled blank.
    for (const std::string_view name : {"dMemo8", "dMemo11", "dMemo12", "dMemo13", "dMemo14"}) {
        if (exists(name)) out.emplace_back(name, true);
    }
    return out;
}

}  // namespace vd
