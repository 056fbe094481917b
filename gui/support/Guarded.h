#pragma once

#include <exception>
#include <string_view>
#include <utility>

#include "core/Journal.h"

namespace vd::gui {

// Runs one handler of a window. Exceptions must not cross Qt's event loop, and a failed
// command leaves the window usable: whatever is thrown is journalled under the handler's own
// location. True when the handler ran to its end.
template <typename Handler>
bool Guarded(const Journal& journal, std::string_view location, Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const std::exception& e) {
        journal.ReportError(location, e.what());
    } catch (...) {
        journal.ReportError(location, "unknown exception");
    }
    return false;
}

}  // namespace vd::gui
