#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vd {

class TDM;

// One entry of the counterparty dictionary: a declarant's name (nameT) and address (nameB).
struct Contragent {
    std::string name;
    std::string address;

    bool operator==(const Contragent&) const = default;
};

// Every entry, ordered by the stored name. Throws DatabaseError when the table cannot be read.
std::vector<Contragent> ListContragents(TDM& tdm);

// The window's "Добавить": the pair replaces an equal pair, so it is stored once. Empty texts
// are accepted. A failure is rolled back and gives false, without a message.
bool StoreContragent(TDM& tdm, std::string_view name, std::string_view address);

// Removes every entry equal to the pair. A failure is rolled back and gives false.
bool DeleteContragent(TDM& tdm, std::string_view name, std::string_view address);

// The editor's "+" of field 1: stores the pair unless it is there already, and tells the user.
void AddContragentFromEditor(TDM& tdm, std::string_view name, std::string_view address);

}  // namespace vd
