#include "documents/GoodsLines.h"

#include <algorithm>
#include <string>

#include "core/DataModule.h"
#include "core/Messages.h"
#include "core/UserInterface.h"
#include "core/WorkingSet.h"
#include "documents/EditorTexts.h"

namespace vd {

namespace {

template <typename Line>
auto& FieldOfLine(Line& line, GoodsField field) {
    switch (field) {
        case GoodsField::D4: return line.num;
        case GoodsField::D5: return line.descriptionGoods;
        case GoodsField::D6c: return line.count6Goods;
        case GoodsField::D6p: return line.package6Goods;
        case GoodsField::D7: return line.countGoods;
        case GoodsField::D8: break;
    }
    return line.documents;
}

}  // namespace

std::string& FieldOf(GoodsLine& line, GoodsField field) { return FieldOfLine(line, field); }

const std::string& FieldOf(const GoodsLine& line, GoodsField field) { return FieldOfLine(line, field); }

std::size_t AppendGoodsLine(WorkingSet& working) {
    working.goods.emplace_back();
    working.modified = true;
    return working.goods.size() - 1;
}

std::size_t InsertGoodsLine(WorkingSet& working, std::size_t current) {
    const std::size_t at = std::min(current, working.goods.size());
    working.goods.insert(working.goods.begin() + static_cast<std::ptrdiff_t>(at), GoodsLine{});
    working.modified = true;
    return at;
}

bool DeleteGoodsLine(WorkingSet& working, std::size_t current) {
    if (current >= working.goods.size()) return false;
    working.goods.erase(working.goods.begin() + static_cast<std::ptrdiff_t>(current));
    working.modified = true;
    return true;
}

bool CopyToAll(TDM& tdm, std::size_t current, GoodsField field) {
    WorkingSet& working = tdm.Working();
    if (current >= working.goods.size()) return false;
    const std::string value = FieldOf(working.goods[current], field);
    if (value.empty()) return false;
    const std::string question =
        std::string(text::kCopyToAllPrefix) + "\"" + value + "\"" + std::string(text::kCopyToAllSuffix);
    if (tdm.Ui().ShowMessage(MessageKind::Warning, text::kAppTitle, question, Buttons::YesNo) != Answer::Yes) {
        return false;
    }
    for (GoodsLine& line : working.goods) FieldOf(line, field) = value;
    working.modified = true;
    return true;
}

}  // namespace vd
