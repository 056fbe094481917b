#pragma once

#include "core/Clock.h"

namespace vd::test {

class FixedClock : public Clock {
public:
    explicit FixedClock(DayNumber today) : today_(today) {}
    DayNumber Today() const override { return today_; }
    void Set(DayNumber today) { today_ = today; }

private:
    DayNumber today_;
};

}  // namespace vd::test
