#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "register/ReportObjects.h"

namespace vd {

class TDM;
struct Session;

// The three kinds of print of the print window.
enum class PrintMode {
    Copy,     // "Копия": everything, on plain paper, any number of copies
    Blank,    // "Заключение": the data alone, on the pre-printed blank
    Imprint,  // "Впечатывание номера": the number and dates into a blank filled earlier
};
CertMode CertModeFor(PrintMode mode);

inline constexpr int kMaxPrintAttempts = 7;
inline constexpr int kMinCopies = 1;
inline constexpr int kMaxCopies = 99;
inline constexpr int kMaxOffset = 40;

// ReadOnlyView as the main window keeps it for the register's current document: true for the
// issued family (7, 10, 11), false for projects, a duplicate being prepared, spoiled and
// cancelled documents.
bool ReadOnlyViewFor(TDM& tdm);
// The blank modes' buttons can be chosen (printing still needs ReadOnlyView).
bool BlankModesEnabled(const Session& session);
// Whether "Отправить на печать" may print in this mode.
bool PrintAllowed(PrintMode mode, bool readOnlyView);

// The print window's hint line for a chosen mode.
std::string ModeHintLine(PrintMode mode, bool readOnlyView, std::int64_t paperNo);

// The journal's event for a print: a copy of an issued conclusion, of any other, or the blank.
std::uint32_t PrintEventId(PrintMode mode, int status);
// Writes that event with the user, the reference number and the blank number.
void WritePrintEvent(TDM& tdm, PrintMode mode, int status, std::string_view referenceNo, std::int64_t paperNo);

// The print job's name: "Radevaredu VI: " + number, or the template's report name + " (копия)".
std::string PrintJobName(PrintMode mode, std::string_view referenceNo, std::string_view reportName);

// What the copies edit shows after an edit: "1" for an empty or unreadable text (or one below
// 1), "99" for 100 and more, otherwise the text.
std::string CopiesText(std::string_view typed);
int CopiesValue(std::string_view typed);
// What an offset edit shows after an edit: "0" for empty or unreadable, "-1" for a lone "-",
// clamped to −40 … 40.
std::string OffsetText(std::string_view typed);
// Both offsets go to the common options at once.
void StoreOffsets(TDM& tdm, std::string_view leftText, std::string_view topText);

// Runs `attempt` until it succeeds, at most seven times; after the seventh failure throws
// std::runtime_error("сбой шрифта при печати"). `failed` hears about every failed attempt.
void RunPrintAttempts(const std::function<void(int attempt)>& attempt,
                      const std::function<void(int attempt, const std::exception&)>& failed = {});

}  // namespace vd
