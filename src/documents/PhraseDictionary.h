#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vd {

class TDM;

// Type codes of the phrase dictionary (Phrase.stype).
namespace phrase {
inline constexpr int kTransport = 3;
inline constexpr int kServiceNotes = 5;  // editor field 3
inline constexpr int kDetails = 6;       // search window
inline constexpr int kGoods = 8;         // goods line field 5
inline constexpr int kPackaging = 9;     // goods line field 6
inline constexpr int kUnits = 10;
inline constexpr int kCountries = 20;
// Types above this one hold a single value: saving replaces whatever the type held.
inline constexpr int kLastMultiValued = 40;
inline constexpr int kReportHeading = 42;  // read by the reports and the exports
inline constexpr int kDeclarantName = 43;  // default name of field 9
inline constexpr int kCertifierName = 44;  // default name of field 10
}  // namespace phrase

// The caption and column title of the phrase window for a type; "none ?" for a type without one.
std::string_view PhraseTypeName(int stype);

enum class SavePhraseResult { Exists = 0, Added = 1, Failed = 2 };

// Stores `text` under `stype`: Exists when that very text is stored already; otherwise an
// equal row (or, for a single-valued type, every row of the type) is replaced in one
// transaction. A failure is rolled back and journalled, and gives Failed.
SavePhraseResult SavePhrase(TDM& tdm, int stype, std::string_view text);

// The first stored text of `stype`, or empty when there is none or it cannot be read (the
// failure is journalled).
std::string ReadPhrase(TDM& tdm, int stype);

// What the phrase window lists: the texts of one type in the order of the stored blobs.
// Throws DatabaseError when the table cannot be read.
std::vector<std::string> ListPhrases(TDM& tdm, int stype);

// Removes the rows of `stype` equal to `name`. A failure is rolled back and gives false; the
// window shows the unchanged list without a message.
bool DeletePhrase(TDM& tdm, int stype, std::string_view name);

// The editor's "+" buttons: stores `text` and tells the user the outcome.
void AddPhraseFromEditor(TDM& tdm, int stype, std::string_view text);

}  // namespace vd
