#pragma once

#include <cstddef>
#include <string>

#include "core/MasterRecord.h"

namespace vd {

class TDM;
struct WorkingSet;

// The six fields of a goods line, named after the printed form's fields.
enum class GoodsField { D4, D5, D6c, D6p, D7, D8 };

std::string& FieldOf(GoodsLine& line, GoodsField field);
const std::string& FieldOf(const GoodsLine& line, GoodsField field);

// The editor's line commands on the working set. Each counts as a change of the document.
// "Добавить позицию": an empty line at the end; its index.
std::size_t AppendGoodsLine(WorkingSet& working);
// "↑": an empty line before `current` (at the start when the table is empty); its index.
std::size_t InsertGoodsLine(WorkingSet& working, std::size_t current);
// "x": removes the line at once, without a question; false when there is no such line.
bool DeleteGoodsLine(WorkingSet& working, std::size_t current);

// "Размножить": after the user agrees, the current line's text of `field` is written into every
// line. An empty text asks nothing. True when the lines were changed.
bool CopyToAll(TDM& tdm, std::size_t current, GoodsField field);

}  // namespace vd
