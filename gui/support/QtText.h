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

// The system's texts break lines with CR LF or a lone CR; Qt's labels break only on LF.
inline QString ToDisplayText(std::string_view utf8) {
    QString text = ToQString(utf8);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

}  // namespace vd::gui
