// A prepared SQLite statement with bound parameters, finalized with the object. Beside the store's
// statement it tells what the code-table copy asks of a clerk's query: whether it only reads, what
// follows it, the storage class of a value.
#pragma once

#include "store/SqliteDatabase.h"
#include "store/StoreStatement.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3_stmt;

namespace tavrik {

class SqliteStatement final : public StoreStatement {
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

    using StoreStatement::Bind;
    StoreStatement& Bind(int index, std::string_view text) override;
    StoreStatement& Bind(int index, std::int64_t number) override;
    StoreStatement& BindNull(int index) override;

    bool Step() override;
    void Reset() override;

    int ColumnCount() const override;
    std::string ColumnName(int column) const override;
    Type ColumnType(int column) const;
    bool IsNull(int column) const override;
    std::int64_t Integer(int column) const override;
    std::string_view TextView(int column) const override;
    // The length of the value as text or blob, in bytes, without copying it.
    std::size_t Bytes(int column) const;

private:
    StoreStatement& Bound(int result);

    SqliteDatabase& database_;
    sqlite3_stmt* statement_ = nullptr;
    std::string_view tail_;
};

} // namespace tavrik
