#include "store/PostgresStatement.h"

#include "store/DollarParameters.h"

#include <libpq-fe.h>

#include <charconv>
#include <stdexcept>
#include <type_traits>

namespace tavrik {

namespace {

static_assert(std::is_same_v<Oid, unsigned int>);
// The server's type for a 64-bit integer (bigint).
constexpr Oid Int8Type = 20;

std::string UpperCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

} // namespace

PostgresStatement::PostgresStatement(pg_conn* connection, std::string_view sql) : connection_(connection) {
    DollarParameters converted = WithDollarParameters(sql);
    sql_ = std::move(converted.sql);
    values_.resize(static_cast<std::size_t>(converted.count));
}

PostgresStatement::Value& PostgresStatement::ValueOf(int index) {
    if (index < 1 || index > static_cast<int>(values_.size()))
        throw std::runtime_error("A query parameter could not be bound: the statement has no parameter ?" +
                                 std::to_string(index) + ".");
    return values_[static_cast<std::size_t>(index - 1)];
}

StoreStatement& PostgresStatement::Bind(int index, std::string_view text) {
    ValueOf(index) = {std::string(text), 0};
    return *this;
}

StoreStatement& PostgresStatement::Bind(int index, std::int64_t number) {
    ValueOf(index) = {std::to_string(number), Int8Type};
    return *this;
}

StoreStatement& PostgresStatement::BindNull(int index) {
    ValueOf(index) = {};
    return *this;
}

const pg_result* PostgresStatement::Result() const {
    if (result_)
        return result_.Get();
    std::vector<Oid> types;
    std::vector<const char*> texts;
    types.reserve(values_.size());
    texts.reserve(values_.size());
    for (const Value& value : values_) {
        types.push_back(value.type);
        texts.push_back(value.text ? value.text->c_str() : nullptr);
    }
    result_ =
        PostgresResult(connection_, PQexecParams(connection_, sql_.c_str(), static_cast<int>(values_.size()),
                                                 types.data(), texts.data(), nullptr, nullptr, 0));
    rowCount_ = PQntuples(result_.Get());
    const int columns = PQnfields(result_.Get());
    columnNames_.clear();
    for (int column = 0; column < columns; ++column)
        columnNames_.push_back(UpperCase(PQfname(result_.Get(), column)));
    return result_.Get();
}

bool PostgresStatement::Step() {
    Result();
    if (row_ < rowCount_)
        ++row_;
    return row_ < rowCount_;
}

void PostgresStatement::Reset() {
    result_ = PostgresResult();
    row_ = -1;
}

int PostgresStatement::ColumnCount() const {
    Result();
    return static_cast<int>(columnNames_.size());
}

std::string PostgresStatement::ColumnName(int column) const {
    Result();
    return columnNames_.at(static_cast<std::size_t>(column));
}

const char* PostgresStatement::Cell(int column) const {
    if (row_ < 0 || row_ >= rowCount_ || column < 0 || column >= static_cast<int>(columnNames_.size()))
        throw std::runtime_error("The statement has no value in column " + std::to_string(column) +
                                 " here: it is not on a row, or the row has no such column.");
    return PQgetvalue(result_.Get(), row_, column);
}

bool PostgresStatement::IsNull(int column) const {
    Cell(column);
    return PQgetisnull(result_.Get(), row_, column) != 0;
}

std::int64_t PostgresStatement::Integer(int column) const {
    const char* text = Cell(column);
    const char* end = text + PQgetlength(result_.Get(), row_, column);
    if (end - text == 1 && (*text == 't' || *text == 'f'))
        return *text == 't' ? 1 : 0;
    if (end == text && IsNull(column))
        return 0;
    std::int64_t number = 0;
    const auto [parsedEnd, error] = std::from_chars(text, end, number);
    if (error != std::errc() || parsedEnd != end)
        throw std::runtime_error("The column " + columnNames_[static_cast<std::size_t>(column)] +
                                 " holds \"" + text + "\", which is not a whole number.");
    return number;
}

std::string_view PostgresStatement::TextView(int column) const {
    const char* text = Cell(column);
    return std::string_view(text, static_cast<std::size_t>(PQgetlength(result_.Get(), row_, column)));
}

} // namespace tavrik
