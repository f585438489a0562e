// A prepared SQLite statement with bound parameters, finalized with the object. Parameters are
// numbered from 1, as SQLite numbers them.
#pragma once

#include "backoffice/SqliteDatabase.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3_stmt;

namespace tavrik {

class SqliteStatement {
public:
    // Throws std::runtime_error when the text does not compile.
    SqliteStatement(SqliteDatabase& database, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    SqliteStatement& Bind(int index, std::string_view text);
    SqliteStatement& Bind(int index, std::int64_t number);
    SqliteStatement& BindNull(int index);
    template <typename Value> SqliteStatement& Bind(int index, const std::optional<Value>& value) {
        return value ? Bind(index, *value) : BindNull(index);
    }

    // Advances to the next row: true while there is one, false when the statement is done.
    // Throws std::runtime_error on failure (a broken constraint, a locked file).
    bool Step();
    // Steps a statement that returns no rows.
    void Run();
    // Makes the statement ready to run again with new parameters.
    void Reset();

    int ColumnCount() const;
    std::string ColumnName(int column) const;
    bool IsNull(int column) const;
    std::int64_t Integer(int column) const;
    std::string Text(int column) const;

private:
    SqliteDatabase& database_;
    sqlite3_stmt* statement_ = nullptr;
};

} // namespace tavrik
