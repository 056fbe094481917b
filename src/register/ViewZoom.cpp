#include "register/ViewZoom.h"

#include "support/Text.h"

namespace vd {

double ZoomIn(double factor) { return factor >= 4 ? factor : factor * 1.25; }

double ZoomOut(double factor) { return factor <= 0.25 ? factor : factor * 0.8; }

std::optional<double> ZoomOfEntry(std::string_view entry) {
    if (entry == kZoomEntries[6]) return kPageWidthZoom;
    if (entry == kZoomEntries[7]) return kWholePageZoom;
    const auto percent = ParseInteger(entry);
    if (!percent || *percent < 10 || *percent > 200) return std::nullopt;
    return static_cast<double>(*percent) / 100;
}

}  // namespace vd
