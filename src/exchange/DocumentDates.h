#pragma once

#include <optional>

#include "support/DayNumber.h"

namespace vd {

class TDM;

// The smallest issue date of the conclusions in the final statuses (10, 8, 7, 11, 9); today when
// there is none or it is 0. A failing query is journalled and raised as "error in
// GetMinDateOfDocument".
DayNumber GetMinDateOfDocument(TDM& tdm);

// The latest day of change of any document; three days before today when the table is empty or
// cannot be read.
DayNumber GetMaxLastDate(TDM& tdm);

// The smallest day of change of any document; no value for an empty table or a failing query.
std::optional<DayNumber> GetMinLastDate(TDM& tdm);

}  // namespace vd
