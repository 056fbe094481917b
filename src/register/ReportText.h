#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/MasterRecord.h"
#include "core/SearchOptions.h"

namespace vd {

class TDM;

// The two texts of field 10 built from the document's expertise acts, in their stored order.
struct ExpertiseTexts {
    std::string dates;    // ExpertiseDatesText: the dates, one per line
    std::string numbers;  // ExpertiseNumbersText: the numbers, one per line
};
ExpertiseTexts MakeExpertiseTexts(const std::vector<ExpertiseRef>& expertise);

// What the report text function reads: the register's current document, the current goods
// line, the search conditions with their current row, and the workstation. Nothing is owned;
// a missing part yields empty texts.
struct ReportTextContext {
    const MasterRecord* document = nullptr;
    const GoodsLine* goodsLine = nullptr;
    const SearchOptions* searchRows = nullptr;
    int searchRow = -1;  // from 0
    const ExpertiseTexts* expertise = nullptr;
    int numLocale = 0;
    // The first phrase of the report heading type; read only when a template asks for it.
    std::function<std::string()> reportHeading;
};

// GetTextOfObj: the text a template object with "[GetTextOfObj(n);]" shows; any number the
// function does not know yields an empty text.
std::string GetTextOfObj(const ReportTextContext& context, int n);

// The word reports use for a status ("выдан", "проект", ... "неизвестен").
std::string_view StatusWord(int status);

// A context over the data module: the phrase dictionary and the station record. The caller
// fills in the document, goods line, search row and expertise texts.
ReportTextContext ReportTextContextFor(TDM& tdm);

}  // namespace vd
