// A prepared SQLite statement with bound parameters, finalized with the object. Parameters are
// numbered from 1, columns from 0, as SQLite numbers them.
#pragma once

#include "sqlite/SqliteDatabase.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3_stmt;

namespace tavrik {

class SqliteStatement {
public:
    // The storage class of a column's value in the current row.
    enum class Type { Integer, Float, Text, Blob, Null };

    // Prepares the first statement of sql; Tail() is what follows it. Throws std::runtime_error with
    // SQLite's message when the text does not compile.
    SqliteStatement(SqliteDatabase& database, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // The text after the first statement, unread: a view of the text given, so only while that
    // text lives.
    std::string_view Tail() const { return tail_; }
    // Whether the text held no statement at all (only blanks, semicolons or comments).
    bool IsEmpty() const { return statement_ == nullptr; }
    // Whether running it leaves the database as it is.
    bool IsReadOnly() const;

    SqliteStatement& Bind(int index, std::string_view text);
    SqliteStatement& Bind(int index, std::int64_t number);
    SqliteStatement& BindNull(int index);
    template <typename Value> SqliteStatement& Bind(int index, const std::optional<Value>& value) {
        return value ? Bind(index, *value) : BindNull(index);
    }

    // Advances to the next row: true while there is one, false when the statement is done.
    // Throws std::runtime_error on failure (a broken constraint), StoreBusy on a locked file.
    bool Step();
    // Steps a statement that returns no rows.
    void Run();
    // Makes the statement ready to run again with new parameters.
    void Reset();

    int ColumnCount() const;
    std::string ColumnName(int column) const;
    Type ColumnType(int column) const;
    bool IsNull(int column) const;
    std::int64_t Integer(int column) const;
    std::string Text(int column) const;
    // The length of the value as text or blob, in bytes, without copying it.
    std::size_t Bytes(int column) const;

private:
    SqliteStatement& Bound(int result);

    SqliteDatabase& database_;
    sqlite3_stmt* statement_ = nullptr;
    std::string_view tail_;
};

} // namespace tavrik
