#include "backoffice/SqliteStatement.h"

#include <sqlite3.h>

#include <stdexcept>

namespace tavrik {

SqliteStatement::SqliteStatement(SqliteDatabase& database, std::string_view sql) : database_(database) {
    const int result =
        sqlite3_prepare_v2(database.Handle(), sql.data(), static_cast<int>(sql.size()), &statement_, nullptr);
    if (result != SQLITE_OK)
        database.Fail(result, "The back office could not prepare a query: ");
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(statement_);
}

SqliteStatement& SqliteStatement::Bind(int index, std::string_view text) {
    if (sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT) !=
        SQLITE_OK)
        throw std::runtime_error("The back office could not bind a query parameter: " +
                                 database_.ErrorText());
    return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, std::int64_t number) {
    if (sqlite3_bind_int64(statement_, index, number) != SQLITE_OK)
        throw std::runtime_error("The back office could not bind a query parameter: " +
                                 database_.ErrorText());
    return *this;
}

SqliteStatement& SqliteStatement::BindNull(int index) {
    if (sqlite3_bind_null(statement_, index) != SQLITE_OK)
        throw std::runtime_error("The back office could not bind a query parameter: " +
                                 database_.ErrorText());
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

void SqliteStatement::Run() {
    while (Step()) {
    }
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

bool SqliteStatement::IsNull(int column) const {
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

std::int64_t SqliteStatement::Integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

std::string SqliteStatement::Text(int column) const {
    const unsigned char* text = sqlite3_column_text(statement_, column);
    if (text == nullptr)
        return {};
    return std::string(reinterpret_cast<const char*>(text),
                       static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)));
}

} // namespace tavrik
