#include "store/SqliteStatement.h"

#include <sqlite3.h>

#include <stdexcept>

namespace tavrik {

SqliteStatement::SqliteStatement(SqliteDatabase& database, std::string_view sql) : database_(database) {
    const char* tail = nullptr;
    const int result =
        sqlite3_prepare_v2(database.Handle(), sql.data(), static_cast<int>(sql.size()), &statement_, &tail);
    if (result != SQLITE_OK)
        database.Fail(result);
    tail_ = sql.substr(static_cast<std::size_t>(tail - sql.data()));
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(statement_);
}

bool SqliteStatement::IsReadOnly() const {
    return sqlite3_stmt_readonly(statement_) != 0;
}

StoreStatement& SqliteStatement::Bind(int index, std::string_view text) {
    return Bound(
        sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT));
}

StoreStatement& SqliteStatement::Bind(int index, std::int64_t number) {
    return Bound(sqlite3_bind_int64(statement_, index, number));
}

StoreStatement& SqliteStatement::BindNull(int index) {
    return Bound(sqlite3_bind_null(statement_, index));
}

StoreStatement& SqliteStatement::Bound(int result) {
    if (result != SQLITE_OK)
        throw std::runtime_error("A query parameter could not be bound: " + database_.ErrorText());
    return *this;
}

bool SqliteStatement::Step() {
    int result = sqlite3_step(statement_);
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE)
        return false;
    database_.Fail(result);
}

void SqliteStatement::Reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

int SqliteStatement::ColumnCount() const {
    return sqlite3_column_count(statement_);
}

std::string SqliteStatement::ColumnName(int column) const {
    return sqlite3_column_name(statement_, column);
}

SqliteStatement::Type SqliteStatement::ColumnType(int column) const {
    switch (sqlite3_column_type(statement_, column)) {
    case SQLITE_INTEGER:
        return Type::Integer;
    case SQLITE_FLOAT:
        return Type::Float;
    case SQLITE_TEXT:
        return Type::Text;
    case SQLITE_BLOB:
        return Type::Blob;
    default:
        return Type::Null;
    }
}

bool SqliteStatement::IsNull(int column) const {
    return ColumnType(column) == Type::Null;
}

std::int64_t SqliteStatement::Integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

std::string_view SqliteStatement::TextView(int column) const {
    const unsigned char* text = sqlite3_column_text(statement_, column);
    if (text == nullptr)
        return {};
    return std::string_view(reinterpret_cast<const char*>(text), Bytes(column));
}

std::size_t SqliteStatement::Bytes(int column) const {
    return static_cast<std::size_t>(sqlite3_column_bytes(statement_, column));
}

} // namespace tavrik
