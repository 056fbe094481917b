#include "core/UsersFile.h"

#include "core/Container.h"
#include "support/Files.h"

namespace vd {

void LoadUsersFile(const std::filesystem::path& file, UsersTable& users) {
    std::string bytes = ReadFileBytes(file);
    DecodeCodStream(bytes);
    users.LoadPacket(bytes);
}

void SaveUsersFile(const std::filesystem::path& file, const UsersTable& users) {
    std::string bytes = users.SavePacket();
    EncodeCodStream(bytes);
    WriteFileAtomically(file, bytes);
}

}  // namespace vd
