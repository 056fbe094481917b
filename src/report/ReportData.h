#pragma once

#include <string>
#include <string_view>

namespace vd::report {

// What a template reads while it is prepared: the rows of its data sources and the report text
// function. The engine selects a row before it lays out the band that shows it.
class ReportData {
public:
    virtual ~ReportData() = default;
    // 0 for a source the program does not offer.
    virtual int RowCount(std::string_view source) = 0;
    virtual void SelectRow(std::string_view source, int row) = 0;
    // "[GetTextOfObj(n);]"
    virtual std::string TextOfObj(int code) = 0;
    // "[Date]": today in the short date format.
    virtual std::string Today() = 0;
};

}  // namespace vd::report
