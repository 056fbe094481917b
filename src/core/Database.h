#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vd {

class DatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One SQLite connection. Every statement runs without automatic commit of its own: changes go
// through Transaction.
class Database {
public:
    enum class OpenMode { Existing, Create };

    Database(const std::filesystem::path& file, OpenMode mode);
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    sqlite3* Handle() const { return db_.get(); }
    void Exec(std::string_view sql);
    // For clean-up paths that must not throw (rollback in a destructor).
    bool ExecNoThrow(std::string_view sql) noexcept;
    std::string LastError() const;

private:
    struct Closer {
        void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
    };
    std::unique_ptr<sqlite3, Closer> db_;
};

// A prepared statement with named parameters (":id"). Text parameters come in UTF-8; "blob
// text" parameters are stored as UTF-16LE code units, as the BLOB text columns hold them.
class Statement {
public:
    Statement(Database& db, std::string_view sql);
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement(Statement&&) noexcept = default;
    Statement& operator=(Statement&&) noexcept = default;

    void BindInt(std::string_view name, std::int64_t value) { BindInt(ParameterIndex(name), value); }
    void BindText(std::string_view name, std::string_view utf8) { BindText(ParameterIndex(name), utf8); }
    void BindBlobText(std::string_view name, std::string_view utf8) { BindBlobText(ParameterIndex(name), utf8); }
    void BindNull(std::string_view name) { BindNull(ParameterIndex(name)); }
    // By 1-based index, for statements run many times with the indexes looked up once.
    void BindInt(int index, std::int64_t value);
    void BindText(int index, std::string_view utf8);
    void BindBlobText(int index, std::string_view utf8);
    void BindNull(int index);
    int ParameterIndex(std::string_view name) const;
    int ParameterCount() const;

    // Runs one step; true while a row is available.
    bool Step();
    // Runs a statement that returns no rows, then resets it for the next use.
    void Execute();
    void Reset();

    int ColumnCount() const;
    std::string ColumnName(int column) const;
    int ColumnIndex(std::string_view name) const;  // -1 when absent
    bool IsNull(int column) const;
    int ColumnType(int column) const;
    std::int64_t ColumnInt(int column) const;
    // NULL reads as no value; a text that is not a whole number too.
    std::optional<std::int64_t> ColumnIntValue(int column) const;
    std::string ColumnText(int column) const;
    // A BLOB text column decoded from UTF-16LE; any other value (a TEXT written by another tool,
    // a number) is taken as its text.
    std::string ColumnBlobText(int column) const;
    // The stored bytes of a BLOB or TEXT value, without conversion; valid until the next step,
    // reset or column read of the same statement. Loops over many rows read texts this way.
    std::string_view ColumnBytes(int column) const;

    const std::string& Sql() const { return sql_; }

private:
    void Check(int rc, std::string_view what) const;

    struct Finalizer {
        void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
    };
    sqlite3* db_;
    std::string sql_;
    std::unique_ptr<sqlite3_stmt, Finalizer> stmt_;
};

// Begins in the constructor and rolls back in the destructor unless committed, so an exception
// anywhere between leaves the file as it was.
class Transaction {
public:
    explicit Transaction(Database& db) : db_(db) { db_.Exec("BEGIN"); }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction() {
        if (!done_) db_.ExecNoThrow("ROLLBACK");
    }
    void Commit() {
        db_.Exec("COMMIT");
        done_ = true;
    }

private:
    Database& db_;
    bool done_ = false;
};

}  // namespace vd
