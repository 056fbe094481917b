#pragma once

#include <QString>

namespace vd::gui {

// A hint may hold a short part for the tool tip and a long part for the status bar, divided
// by "|"; a hint without "|" serves as both.
inline QString ShortHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

inline QString LongHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

}  // namespace vd::gui
