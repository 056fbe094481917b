#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace vd {

// The view's zoom: a factor above 0, or one of the two fitting modes. SavedZoom keeps it for
// the rest of the run, so the next preview opens as the last one was left.
inline constexpr double kPageWidthZoom = -1;
inline constexpr double kWholePageZoom = -2;

// The entries of "Масштаб", in menu order.
inline constexpr std::array<std::string_view, 8> kZoomEntries = {
    "200", "150", "100", "75", "50", "25", "По ширине страницы", "Страница целиком"};

// "Увеличить" and "Уменьшить" from the factor the preview shows now: by 1.25 up to 4 at most,
// by 0.8 down to 0.25; a factor already at or beyond the limit stays.
double ZoomIn(double factor);
double ZoomOut(double factor);
// The SavedZoom an entry of "Масштаб" stands for: a number from 10 to 200 in per cent, or one of
// the fitting modes; no value for anything else.
std::optional<double> ZoomOfEntry(std::string_view entry);

}  // namespace vd
