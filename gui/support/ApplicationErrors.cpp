#include "support/ApplicationErrors.h"

#include <QMetaObject>
#include <QObject>

#include <string>

#include "core/Journal.h"

namespace vd::gui {
namespace {

constexpr std::string_view kLocation = "uFormMain.TfMainForm._Exception";

// "vd::gui::TFormList" is journalled as "TFormList", the name the window has everywhere else.
std::string ClassName(const QObject* origin) {
    if (!origin) return "none";
    const std::string full = origin->metaObject()->className();
    const auto colons = full.rfind("::");
    return colons == std::string::npos ? full : full.substr(colons + 2);
}

}  // namespace

void ReportApplicationException(const Journal& journal, const QObject* origin, std::string_view message) noexcept {
    try {
        journal.ReportError(kLocation, ClassName(origin) + " == " + std::string(message));
    } catch (...) {
        // Reporting a failure must never become one.
    }
}

}  // namespace vd::gui
