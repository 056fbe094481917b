#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

struct UserRow {
    int id = 0;
    std::string userName;
    std::string password;  // PasswordHash of the password
};

// The users of the workstation, kept in memory during the run and written as a whole to the
// encrypted users file. Ids are handed out by the table and never reused, like an
// auto-increment field; the user with id 1 is the administrator.
class UsersTable {
public:
    bool IsOpen() const { return open_; }
    // An empty open table, as after a lost users file.
    void CreateEmpty();
    void Close();

    // Loads the XML data packet; throws std::runtime_error when it is not one.
    void LoadPacket(std::string_view xml);
    std::string SavePacket() const;

    const std::vector<UserRow>& Rows() const { return rows_; }
    bool Empty() const { return rows_.empty(); }
    // Appends a row with the next id and makes it current; returns the id.
    int Append(std::string_view userName, std::string_view passwordHash);
    // The first row with exactly this name (case and every character count).
    const UserRow* FindByName(std::string_view userName) const;
    const UserRow* FindById(int id) const;
    bool SetPassword(int id, std::string_view passwordHash);
    bool SetName(int id, std::string_view userName);
    bool Delete(int id);

    // The current row, as the users window and the login leave it.
    const UserRow* Current() const;
    void First();
    bool Locate(int id);

private:
    UserRow* MutableById(int id);

    bool open_ = false;
    std::vector<UserRow> rows_;
    int nextId_ = 1;
    std::size_t current_ = 0;
};

}  // namespace vd
