#pragma once

#include "support/DayNumber.h"

namespace vd {

// Today's date as the program sees it; tests choose it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual DayNumber Today() const = 0;
};

class SystemClock : public Clock {
public:
    DayNumber Today() const override;
};

}  // namespace vd
