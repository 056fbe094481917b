#pragma once

#include <algorithm>
#include <vector>

#include "core/Journal.h"

namespace vd::test {

class MemorySink : public EventSink {
public:
    void Write(const Event& event) noexcept override { events.push_back(event); }

    std::vector<Event> WithId(std::uint32_t id) const {
        std::vector<Event> found;
        std::copy_if(events.begin(), events.end(), std::back_inserter(found),
                     [id](const Event& e) { return e.id == id; });
        return found;
    }
    bool Has(std::uint32_t id) const { return !WithId(id).empty(); }

    std::vector<Event> events;
};

}  // namespace vd::test
