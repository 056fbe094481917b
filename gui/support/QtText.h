#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace vd::gui {

// The core keeps every text as UTF-8; these are the only crossings into and out of QString.
inline QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string ToUtf8(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace vd::gui
