#pragma once

#include <string>

#include "support/DayNumber.h"

namespace vd {

class TDM;

// The last digit of the year of a day: the first character of every reference number.
int YearDigit(DayNumber day);

// "%1s%3.3d%6.6d": year digit, chamber number and document number, with "XX" between the last
// two for a project the editor has not saved yet.
std::string MakeReferenceNo(int yearDigit, int chamber, std::int64_t number, bool unsaved = false);

// Finds the next free document number of the station's range for this year's digit (spoiled
// blanks do not hold their numbers) and proposes the next blank number; both go to the
// session. Without a free number the user is told and the number is 0.
void SetMaxIdToTag(TDM& tdm);

}  // namespace vd
