#include "exchange/DocumentDates.h"

#include <climits>
#include <stdexcept>

#include "core/Clock.h"
#include "core/DataModule.h"
#include "core/Journal.h"
#include "exchange/Messages.h"

namespace vd {

DayNumber GetMinDateOfDocument(TDM& tdm) {
    std::optional<std::int64_t> value;
    try {
        Statement query(tdm.Db(),
                        "select min(DateIssued) as MinPaper from mcod where (status = 10) or (status = 8) or "
                        "(status = 7) or (status = 11) or (status = 9)");
        if (query.Step()) value = query.ColumnIntValue(0);
    } catch (const std::exception& e) {
        tdm.GetJournal().WriteEvent(EventType::Warning, EventCategory::Settings, event::kStoredValueFailed,
                                    {std::string(text::kWhereMinDate), e.what()});
        throw std::runtime_error(std::string(text::kMinDateFailed));
    }
    if (!value || *value == 0 || *value < INT32_MIN || *value > INT32_MAX) return tdm.GetClock().Today();
    return static_cast<DayNumber>(*value);
}

DayNumber GetMaxLastDate(TDM& tdm) {
    try {
        Statement query(tdm.Db(), "select max(LastDate) as xx from mcod");
        if (query.Step()) {
            if (const auto value = query.ColumnIntValue(0); value && *value >= INT32_MIN && *value <= INT32_MAX) {
                return static_cast<DayNumber>(*value);
            }
        }
    } catch (const std::exception&) {
        // Falls back like an empty table.
    }
    return tdm.GetClock().Today() - 3;
}

std::optional<DayNumber> GetMinLastDate(TDM& tdm) {
    try {
        Statement query(tdm.Db(), "select min(LastDate) as dw from mcod");
        if (query.Step()) {
            if (const auto value = query.ColumnIntValue(0); value && *value >= INT32_MIN && *value <= INT32_MAX) {
                return static_cast<DayNumber>(*value);
            }
        }
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

}  // namespace vd
