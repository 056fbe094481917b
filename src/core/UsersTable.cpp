#include "core/UsersTable.h"

#include <pugixml.hpp>

#include <algorithm>
#include <sstream>
#include <stdexcept>

#include "support/Base64.h"
#include "support/Text.h"

namespace vd {
namespace {

bool IsHashText(std::string_view text) {
    return text.size() == 32 && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
           });
}

// The binary Password field is written in base64 like every binary field of a data packet;
// a packet holding the 32 hash characters directly is read too.
std::string ReadPassword(std::string_view attribute) {
    if (const auto decoded = Base64Decode(attribute); decoded && IsHashText(*decoded)) return *decoded;
    return std::string(attribute);
}

}  // namespace

void UsersTable::CreateEmpty() {
    rows_.clear();
    nextId_ = 1;
    current_ = 0;
    open_ = true;
}

void UsersTable::Close() {
    rows_.clear();
    open_ = false;
}

void UsersTable::LoadPacket(std::string_view xml) {
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(xml.data(), xml.size());
    if (!parsed) throw std::runtime_error(std::string("users packet: ") + parsed.description());
    const pugi::xml_node packet = document.child("DATAPACKET");
    if (!packet || !packet.child("METADATA") || !packet.child("ROWDATA")) {
        throw std::runtime_error("users packet: no DATAPACKET with METADATA and ROWDATA");
    }
    std::vector<UserRow> rows;
    int maxId = 0;
    for (const pugi::xml_node row : packet.child("ROWDATA").children("ROW")) {
        const auto id = ParseInteger(row.attribute("id").value());
        if (!id || *id <= 0 || *id > 1'000'000'000) throw std::runtime_error("users packet: a row without a valid id");
        rows.push_back(UserRow{static_cast<int>(*id), row.attribute("UserName").value(),
                               ReadPassword(row.attribute("Password").value())});
        maxId = std::max(maxId, static_cast<int>(*id));
    }
    const auto autoInc = ParseInteger(packet.child("METADATA").child("PARAMS").attribute("AUTOINCVALUE").value());
    rows_ = std::move(rows);
    nextId_ = std::max<int>(maxId + 1, autoInc ? static_cast<int>(std::clamp<std::int64_t>(*autoInc, 1, 1'000'000'000)) : 1);
    current_ = 0;
    open_ = true;
}

std::string UsersTable::SavePacket() const {
    pugi::xml_document document;
    auto declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    declaration.append_attribute("standalone") = "yes";
    pugi::xml_node packet = document.append_child("DATAPACKET");
    packet.append_attribute("Version") = "2.0";
    pugi::xml_node metadata = packet.append_child("METADATA");
    pugi::xml_node fields = metadata.append_child("FIELDS");
    pugi::xml_node id = fields.append_child("FIELD");
    id.append_attribute("attrname") = "id";
    id.append_attribute("fieldtype") = "i4";
    id.append_attribute("readonly") = "true";
    id.append_attribute("SUBTYPE") = "Autoinc";
    pugi::xml_node name = fields.append_child("FIELD");
    name.append_attribute("attrname") = "UserName";
    name.append_attribute("fieldtype") = "string.uni";
    name.append_attribute("WIDTH") = "128";
    pugi::xml_node password = fields.append_child("FIELD");
    password.append_attribute("attrname") = "Password";
    password.append_attribute("fieldtype") = "bin.hex";
    password.append_attribute("SUBTYPE") = "Binary";
    password.append_attribute("WIDTH") = "64";
    metadata.append_child("PARAMS").append_attribute("AUTOINCVALUE") = nextId_;
    pugi::xml_node rowData = packet.append_child("ROWDATA");
    for (const UserRow& user : rows_) {
        pugi::xml_node row = rowData.append_child("ROW");
        row.append_attribute("id") = user.id;
        row.append_attribute("UserName") = user.userName.c_str();
        row.append_attribute("Password") = Base64Encode(user.password).c_str();
    }
    std::ostringstream out;
    document.save(out, " ", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}

int UsersTable::Append(std::string_view userName, std::string_view passwordHash) {
    const int id = nextId_++;
    rows_.push_back(UserRow{id, std::string(userName), std::string(passwordHash)});
    current_ = rows_.size() - 1;
    return id;
}

const UserRow* UsersTable::FindByName(std::string_view userName) const {
    const auto it = std::find_if(rows_.begin(), rows_.end(), [&](const UserRow& r) { return r.userName == userName; });
    return it == rows_.end() ? nullptr : &*it;
}

const UserRow* UsersTable::FindById(int id) const {
    const auto it = std::find_if(rows_.begin(), rows_.end(), [&](const UserRow& r) { return r.id == id; });
    return it == rows_.end() ? nullptr : &*it;
}

UserRow* UsersTable::MutableById(int id) {
    const auto it = std::find_if(rows_.begin(), rows_.end(), [&](const UserRow& r) { return r.id == id; });
    return it == rows_.end() ? nullptr : &*it;
}

bool UsersTable::SetPassword(int id, std::string_view passwordHash) {
    UserRow* row = MutableById(id);
    if (!row) return false;
    row->password = passwordHash;
    return true;
}

bool UsersTable::SetName(int id, std::string_view userName) {
    UserRow* row = MutableById(id);
    if (!row) return false;
    row->userName = userName;
    return true;
}

bool UsersTable::Delete(int id) {
    const auto it = std::find_if(rows_.begin(), rows_.end(), [&](const UserRow& r) { return r.id == id; });
    if (it == rows_.end()) return false;
    const auto index = static_cast<std::size_t>(it - rows_.begin());
    rows_.erase(it);
    // Like a dataset, the row after the deleted one becomes current (or the new last one).
    if (current_ > index) --current_;
    if (current_ >= rows_.size()) current_ = rows_.empty() ? 0 : rows_.size() - 1;
    return true;
}

const UserRow* UsersTable::Current() const { return current_ < rows_.size() ? &rows_[current_] : nullptr; }

void UsersTable::First() { current_ = 0; }

bool UsersTable::Locate(int id) {
    const auto it = std::find_if(rows_.begin(), rows_.end(), [&](const UserRow& r) { return r.id == id; });
    if (it == rows_.end()) return false;
    current_ = static_cast<std::size_t>(it - rows_.begin());
    return true;
}

}  // namespace vd
