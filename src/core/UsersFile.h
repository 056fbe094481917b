#pragma once

#include <filesystem>

#include "core/UsersTable.h"

namespace vd {

// data/k.cod: the users table as an XML data packet, encrypted with the built-in pass phrase.
// Loading throws when the file is missing, of another pass phrase or not a packet.
void LoadUsersFile(const std::filesystem::path& file, UsersTable& users);
// Written to a temporary name and renamed into place.
void SaveUsersFile(const std::filesystem::path& file, const UsersTable& users);

}  // namespace vd
