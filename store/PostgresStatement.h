// A statement on a PostgreSQL connection. Its text numbers parameters ?1, ?2, ... as everywhere in
// the store; they go to the server as $1, $2, .... Preparing does not reach the server: the statement
// runs at its first Step, and its whole result is kept and read row by row. Asking for the columns
// before the first Step runs it with the parameters bound so far.
#pragma once

#include "store/PostgresResult.h"
#include "store/StoreStatement.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

class PostgresStatement final : public StoreStatement {
public:
    // Throws std::runtime_error for a parameter number PostgreSQL does not take.
    PostgresStatement(pg_conn* connection, std::string_view sql);

    // Parameters keep their values across Reset; one never bound is NULL.
    StoreStatement& Bind(int index, std::string_view text) override;
    StoreStatement& Bind(int index, std::int64_t number) override;
    StoreStatement& BindNull(int index) override;

    bool Step() override;
    void Reset() override;

    int ColumnCount() const override;
    std::string ColumnName(int column) const override;
    bool IsNull(int column) const override;
    // A whole number, or a boolean as 1 or 0; NULL reads as 0, as it does on SQLite. Throws
    // std::runtime_error naming the column for any other value.
    std::int64_t Integer(int column) const override;
    // NULL reads as the empty text.
    std::string_view TextView(int column) const override;

private:
    // A parameter's value as text (nullopt for NULL) and the type the server is told, 0 to let it
    // infer one.
    struct Value {
        std::optional<std::string> text;
        unsigned int type = 0;
    };

    // The value of parameter index; throws when the statement has no such parameter.
    Value& ValueOf(int index);
    // The result, run for the first need.
    const pg_result* Result() const;
    // The value at column of the current row; throws when there is no such cell.
    const char* Cell(int column) const;

    pg_conn* connection_;
    std::string sql_;
    std::vector<Value> values_;
    // The result is fetched on first need, which may be a const question about the columns.
    mutable PostgresResult result_;
    mutable std::vector<std::string> columnNames_;
    mutable int rowCount_ = 0;
    int row_ = -1;
};

} // namespace tavrik
