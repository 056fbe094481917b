#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vd {

// The named parts of the conclusion's template that the program drives.
namespace report_object {
inline constexpr std::string_view kPage = "Page1";
inline constexpr std::string_view kPageFooter = "PageFooter1";
inline constexpr std::string_view kHeaderFrame = "obj_5";
inline constexpr std::string_view kGoodsFrame = "obj_7";
inline constexpr std::string_view kBlankNumber = "dMemo0";
inline constexpr std::string_view kDesignPrefix = "obj_";
inline constexpr std::string_view kFieldPrefix = "dMemo";
inline constexpr std::string_view kGoodsPrefix = "gMemo";
inline constexpr std::string_view kPageMemo = "pMemo1";
}  // namespace report_object

// Template file names in the data folder.
inline constexpr std::string_view kConclusionTemplate = "VD.fr3";
inline constexpr std::string_view kCertificatesCaptionTemplate = "CertsCaption.fr3";
inline constexpr std::string_view kSearchReportTemplate = "SearchReport.fr3";

// "[GetTextOfObj(n);]"
std::string TextOfObjExpression(int code);

// The expressions the program gives the conclusion's fields before every preparation.
struct FieldExpression {
    std::string_view object;
    int code;
};
inline constexpr std::array<FieldExpression, 13> kFieldExpressions = {{
    {"dMemo0", 15},
    {"dMemo1", 1},
    {"dMemo2", 2},
    {"dMemo4", 4},
    {"dMemo13", 9},
    {"dMemo15", 13},
    {"dMemo12", 11},
    {"dMemo10", 12},
    {"dMemo14", 6},
    {"dMemo9", 8},
    {"dMemo7", 10},
    {"dMemo8", 14},
    {"dMemo11", 14},
}};

// What each print mode shows: 0 the view and a copy on plain paper, 1 the data alone on the
// blank form, 2 only the number and the dates imprinted into a blank filled earlier.
enum class CertMode { View = 0, Blank = 1, Imprint = 2 };

// The visibilities SetCertForPrint assigns, in order (a later one overrides an earlier one for
// the same object). `exists` tells which numbered objects the template has: numbering stops at
// the first gap.
std::vector<std::pair<std::string, bool>> CertVisibility(CertMode mode,
                                                         const std::function<bool(std::string_view)>& exists);

}  // namespace vd
