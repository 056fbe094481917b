#pragma once

#include <string_view>

class QObject;

namespace vd {
class Journal;
}

namespace vd::gui {

// An exception that no handler of its own caught, journalled like every such failure of the
// program: the class of the object it reached ("none" without one), " == " and its message.
void ReportApplicationException(const Journal& journal, const QObject* origin, std::string_view message) noexcept;

}  // namespace vd::gui
