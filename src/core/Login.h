#pragma once

#include <string_view>

namespace vd {

class Journal;
class TDM;
class UsersTable;

// True when the first user of exactly this name has the hash of this password.
bool TestUserLogon(const UsersTable& users, std::string_view name, std::string_view password, const Journal& journal);

// The first start of a station: the administrator "Aдминистратор" (Latin A) with an empty
// password becomes the current user without a login.
void CreateFirstAdministrator(TDM& tdm);

// The login dialog, one attempt. False (with StopFlag set) when cancelled or refused.
bool PaperLogOn(TDM& tdm);

}  // namespace vd
