#include "core/Database.h"

#include "support/TextCodec.h"
#include "support/Text.h"

namespace vd {

Database::Database(const std::filesystem::path& file, OpenMode mode) {
    sqlite3* raw = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | (mode == OpenMode::Create ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(file.c_str(), &raw, flags, nullptr);
    db_.reset(raw);
    if (rc != SQLITE_OK) {
        const std::string reason = raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc);
        throw DatabaseError(file.string() + ": " + reason);
    }
    // The statements of the program write string literals in double quotes ("TRUE"); keep the
    // classic SQLite reading of them whatever the library's compile-time default is.
    sqlite3_db_config(raw, SQLITE_DBCONFIG_DQS_DML, 1, nullptr);
    sqlite3_db_config(raw, SQLITE_DBCONFIG_DQS_DDL, 1, nullptr);
    sqlite3_extended_result_codes(raw, 1);
    sqlite3_busy_timeout(raw, 5000);
    // The register sorts and searches whole tables; reading them through a memory map and a
    // larger page cache keeps that fast with 100,000 documents.
    ExecNoThrow("PRAGMA mmap_size = 268435456");
    ExecNoThrow("PRAGMA cache_size = -65536");
}

void Database::Exec(std::string_view sql) {
    char* error = nullptr;
    const std::string text(sql);
    if (sqlite3_exec(db_.get(), text.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : LastError();
        sqlite3_free(error);
        throw DatabaseError(message);
    }
}

bool Database::ExecNoThrow(std::string_view sql) noexcept {
    try {
        const std::string text(sql);
        return sqlite3_exec(db_.get(), text.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    } catch (...) {
        return false;
    }
}

std::string Database::LastError() const { return sqlite3_errmsg(db_.get()); }

Statement::Statement(Database& db, std::string_view sql) : db_(db.Handle()), sql_(sql) {
    sqlite3_stmt* raw = nullptr;
    const int rc = sqlite3_prepare_v2(db_, sql_.c_str(), static_cast<int>(sql_.size()), &raw, nullptr);
    stmt_.reset(raw);
    Check(rc, "prepare");
}

void Statement::Check(int rc, std::string_view what) const {
    if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE) return;
    throw DatabaseError(std::string(sqlite3_errmsg(db_)) + " (" + std::string(what) + ": " + sql_ + ")");
}

int Statement::ParameterIndex(std::string_view name) const {
    const std::string key = name.starts_with(':') ? std::string(name) : ":" + std::string(name);
    const int index = sqlite3_bind_parameter_index(stmt_.get(), key.c_str());
    if (index == 0) throw DatabaseError("no parameter " + key + " in: " + sql_);
    return index;
}

void Statement::BindInt(int index, std::int64_t value) { Check(sqlite3_bind_int64(stmt_.get(), index, value), "bind"); }

void Statement::BindText(int index, std::string_view utf8) {
    Check(sqlite3_bind_text(stmt_.get(), index, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT), "bind");
}

void Statement::BindBlobText(int index, std::string_view utf8) {
    const std::string units = Utf8ToUtf16Le(utf8);
    // A zero-length blob, not NULL, is the stored form of an empty text.
    Check(sqlite3_bind_blob(stmt_.get(), index, units.empty() ? "" : units.data(), static_cast<int>(units.size()),
                            SQLITE_TRANSIENT),
          "bind");
}

void Statement::BindNull(int index) { Check(sqlite3_bind_null(stmt_.get(), index), "bind"); }

int Statement::ParameterCount() const { return sqlite3_bind_parameter_count(stmt_.get()); }

bool Statement::Step() {
    const int rc = sqlite3_step(stmt_.get());
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    const std::string message = std::string(sqlite3_errmsg(db_)) + " (" + sql_ + ")";
    sqlite3_reset(stmt_.get());
    throw DatabaseError(message);
}

void Statement::Execute() {
    while (Step()) {
    }
    Reset();
}

void Statement::Reset() { sqlite3_reset(stmt_.get()); }

int Statement::ColumnCount() const { return sqlite3_column_count(stmt_.get()); }

std::string Statement::ColumnName(int column) const {
    const char* name = sqlite3_column_name(stmt_.get(), column);
    return name ? name : "";
}

int Statement::ColumnIndex(std::string_view name) const {
    for (int i = 0; i < ColumnCount(); ++i) {
        if (sqlite3_stricmp(ColumnName(i).c_str(), std::string(name).c_str()) == 0) return i;
    }
    return -1;
}

bool Statement::IsNull(int column) const { return ColumnType(column) == SQLITE_NULL; }

int Statement::ColumnType(int column) const { return sqlite3_column_type(stmt_.get(), column); }

std::int64_t Statement::ColumnInt(int column) const { return sqlite3_column_int64(stmt_.get(), column); }

std::optional<std::int64_t> Statement::ColumnIntValue(int column) const {
    switch (ColumnType(column)) {
        case SQLITE_NULL: return std::nullopt;
        case SQLITE_INTEGER: return ColumnInt(column);
        case SQLITE_FLOAT: return static_cast<std::int64_t>(sqlite3_column_double(stmt_.get(), column));
        default: return ParseInteger(TrimBlanks(ColumnBlobText(column)));
    }
}

std::string Statement::ColumnText(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_.get(), column));
    if (!text) return {};
    return std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt_.get(), column)));
}

std::string Statement::ColumnBlobText(int column) const {
    if (ColumnType(column) != SQLITE_BLOB) return ColumnText(column);
    const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt_.get(), column));
    const int size = sqlite3_column_bytes(stmt_.get(), column);
    if (!data || size <= 0) return {};
    return Utf16LeToUtf8(std::string_view(data, static_cast<std::size_t>(size)));
}

std::string_view Statement::ColumnBytes(int column) const {
    const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt_.get(), column));
    const int size = sqlite3_column_bytes(stmt_.get(), column);
    if (!data || size <= 0) return {};
    return std::string_view(data, static_cast<std::size_t>(size));
}

}  // namespace vd
