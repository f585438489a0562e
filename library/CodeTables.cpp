#include "library/CodeTables.h"

#include "common/DataSetDefinitions.h"
#include "common/TextUtil.h"
#include "library/JetDateLiterals.h"

#include <sqlite3.h>

#include <cctype>
#include <set>
#include <stdexcept>

namespace tavrik {

namespace {

constexpr const char* kTable = "TVK_CODE";

struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

const std::vector<FieldDefinition>& CodeFields() {
    static const std::vector<FieldDefinition>& fields = *DataSetDefinitions::Find(kTable);
    return fields;
}

// Once loaded, nothing may change the copy: reading is all a query may do.
int ReadOnlyAuthorizer(void*, int action, const char*, const char*, const char*, const char*) {
    return action == SQLITE_SELECT || action == SQLITE_READ || action == SQLITE_FUNCTION ? SQLITE_OK
                                                                                         : SQLITE_DENY;
}

std::runtime_error QueryError(const std::string& why, std::string_view query) {
    return std::runtime_error("The code-table query was refused: " + why + ". Query: " + std::string(query));
}

bool StartsWithSelect(std::string_view query) {
    const std::string trimmed = Trim(query);
    return ToUpper(trimmed.substr(0, 6)) == "SELECT" &&
           (trimmed.size() == 6 ||
            !(std::isalnum(static_cast<unsigned char>(trimmed[6])) || trimmed[6] == '_'));
}

FieldType TypeOfColumn(std::string_view name) {
    for (const FieldDefinition& field : CodeFields())
        if (field.name == ToUpper(name))
            return field.type;
    return FieldType::Text;
}

std::string ColumnText(sqlite3_stmt* statement, int column) {
    const unsigned char* text = sqlite3_column_text(statement, column);
    return text == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(text));
}

FieldValue ReadColumn(sqlite3_stmt* statement, int column, FieldType type) {
    if (sqlite3_column_type(statement, column) == SQLITE_NULL)
        return {};
    const std::string text = ColumnText(statement, column);
    switch (type) {
    case FieldType::Date:
        if (std::optional<CalendarDate> date = CalendarDate::ParseIso(text))
            return *date;
        return text;
    case FieldType::Integer:
        return static_cast<std::int64_t>(sqlite3_column_int64(statement, column));
    case FieldType::Text:
    case FieldType::Currency:
        break;
    }
    return text;
}

// The value as the copy stores it: dates as 'yyyy-mm-dd' so that text comparison orders them, and a
// blank date as null so that "END_DT Is Null" finds it.
std::optional<std::string> StoredText(const FieldValue& value, const FieldDefinition& field,
                                      std::size_t row) {
    if (value.IsNull())
        return std::nullopt;
    if (field.type != FieldType::Date)
        return value.ToStoreText();
    if (value.IsText() && IsBlank(value.ToText()))
        return std::nullopt;
    std::optional<CalendarDate> date = value.AsDate();
    if (!date)
        throw std::runtime_error("Code-table row " + std::to_string(row + 1) + " has " + field.name + " \"" +
                                 value.ToText() + "\", which is not a date.");
    return date->FormatIso();
}

} // namespace

void CodeTables::Closer::operator()(sqlite3* db) const {
    sqlite3_close(db);
}

CodeTables::CodeTables(const DataTable& rows, const WindowingPlatform& platform) : platform_(platform) {
    sqlite3* db = nullptr;
    const int opened = sqlite3_open(":memory:", &db);
    db_.reset(db);
    if (opened != SQLITE_OK)
        throw std::runtime_error("The code tables could not be opened in memory.");
    Load(rows);
    sqlite3_set_authorizer(db_.get(), &ReadOnlyAuthorizer, nullptr);
}

CodeTables::~CodeTables() = default;

void CodeTables::Execute(const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_.get(), sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string text = error == nullptr ? "unknown error" : error;
        sqlite3_free(error);
        throw std::runtime_error("The code tables could not be loaded: " + text);
    }
}

void CodeTables::Load(const DataTable& rows) {
    const std::vector<FieldDefinition>& fields = CodeFields();
    std::string create = std::string("CREATE TABLE ") + kTable + " (";
    std::string insert = std::string("INSERT INTO ") + kTable + " VALUES (";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        create += (i == 0 ? "" : ", ") + fields[i].name + " TEXT";
        insert += (i == 0 ? "?" : ", ?");
    }
    Execute((create + ")").c_str());
    Execute("CREATE INDEX TVK_CODE_BY_TABLE ON TVK_CODE (CD_TBL_ID, CD_TBL_CD)");

    std::vector<std::optional<std::size_t>> columns;
    for (const FieldDefinition& field : fields)
        columns.push_back(rows.FieldIndex(field.name));
    const std::optional<std::size_t> tableColumn = rows.FieldIndex("CD_TBL_ID");
    const std::optional<std::size_t> codeColumn = rows.FieldIndex("CD_TBL_CD");
    const std::optional<std::size_t> descriptionColumn = rows.FieldIndex("CD_TBL_DES");
    const std::optional<std::size_t> infoColumn = rows.FieldIndex("ADTL_INFO_TXT");

    Execute("BEGIN");
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db_.get(), (insert + ")").c_str(), -1, &raw, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string("The code tables could not be loaded: ") +
                                 sqlite3_errmsg(db_.get()));
    Statement statement(raw);
    for (std::size_t r = 0; r < rows.rows.size(); ++r) {
        const std::vector<FieldValue>& row = rows.rows[r];
        sqlite3_reset(statement.get());
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const int parameter = static_cast<int>(i + 1);
            const std::optional<std::string> text =
                columns[i] ? StoredText(row.at(*columns[i]), fields[i], r) : std::nullopt;
            if (text)
                sqlite3_bind_text(statement.get(), parameter, text->c_str(), static_cast<int>(text->size()),
                                  SQLITE_TRANSIENT);
            else
                sqlite3_bind_null(statement.get(), parameter);
        }
        if (sqlite3_step(statement.get()) != SQLITE_DONE)
            throw std::runtime_error(std::string("The code tables could not be loaded: ") +
                                     sqlite3_errmsg(db_.get()));
        if (tableColumn && codeColumn)
            texts_.try_emplace({Trim(row.at(*tableColumn).ToText()), Trim(row.at(*codeColumn).ToText())},
                               Texts{descriptionColumn ? row.at(*descriptionColumn).ToText() : std::string(),
                                     infoColumn ? row.at(*infoColumn).ToText() : std::string()});
    }
    Execute("COMMIT");
}

DataTable CodeTables::Query(std::string_view query) const {
    if (!StartsWithSelect(query))
        throw QueryError("only a SELECT may be run", query);
    const std::string translated = TranslateJetDateLiterals(query, platform_.Today());

    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db_.get(), translated.c_str(), static_cast<int>(translated.size()), &raw, &tail) !=
        SQLITE_OK)
        throw QueryError(sqlite3_errmsg(db_.get()), query);
    Statement statement(raw);
    if (statement == nullptr || !sqlite3_stmt_readonly(statement.get()))
        throw QueryError("only a SELECT may be run", query);
    // Whatever follows the SELECT must be nothing but blanks, semicolons or comments.
    sqlite3_stmt* rest = nullptr;
    const int restResult = sqlite3_prepare_v2(db_.get(), tail, -1, &rest, nullptr);
    Statement restStatement(rest);
    if (restResult != SQLITE_OK || restStatement != nullptr)
        throw QueryError("only one statement may be run", query);

    DataTable table;
    const int columnCount = sqlite3_column_count(statement.get());
    for (int c = 0; c < columnCount; ++c) {
        const std::string name = sqlite3_column_name(statement.get(), c);
        table.fields.push_back(FieldDefinition{name, TypeOfColumn(name)});
    }
    int stepped = SQLITE_ROW;
    while ((stepped = sqlite3_step(statement.get())) == SQLITE_ROW) {
        std::vector<FieldValue>& row = table.rows.emplace_back();
        for (int c = 0; c < columnCount; ++c)
            row.push_back(ReadColumn(statement.get(), c, table.fields[static_cast<std::size_t>(c)].type));
    }
    if (stepped != SQLITE_DONE)
        throw QueryError(sqlite3_errmsg(db_.get()), query);
    return table;
}

const CodeTables::Texts* CodeTables::Find(std::string_view code, std::string_view codeTableId) const {
    auto found = texts_.find(std::pair{Trim(codeTableId), Trim(code)});
    return found == texts_.end() ? nullptr : &found->second;
}

std::string CodeTables::Description(std::string_view code, std::string_view codeTableId) const {
    const Texts* texts = Find(code, codeTableId);
    return texts == nullptr ? std::string() : texts->description;
}

std::string CodeTables::Info(std::string_view code, std::string_view codeTableId) const {
    const Texts* texts = Find(code, codeTableId);
    return texts == nullptr ? std::string() : texts->info;
}

std::vector<CodeEntry> CodeTables::Codes(std::string_view codeTableId, bool allCodes) const {
    const char* sql = allCodes ? "SELECT CD_TBL_CD, CD_TBL_DES FROM TVK_CODE WHERE CD_TBL_ID = ?1 "
                                 "ORDER BY CD_TBL_DES, CD_TBL_CD, rowid"
                               : "SELECT CD_TBL_CD, CD_TBL_DES FROM TVK_CODE WHERE CD_TBL_ID = ?1 "
                                 "AND EFCTV_DT <= ?2 AND (END_DT IS NULL OR END_DT >= ?2) "
                                 "ORDER BY CD_TBL_DES, CD_TBL_CD, rowid";
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db_.get(), sql, -1, &raw, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string("The codes could not be read: ") + sqlite3_errmsg(db_.get()));
    Statement statement(raw);
    const std::string table = Trim(codeTableId);
    const std::string today = platform_.Today().FormatIso();
    sqlite3_bind_text(statement.get(), 1, table.c_str(), static_cast<int>(table.size()), SQLITE_TRANSIENT);
    if (!allCodes)
        sqlite3_bind_text(statement.get(), 2, today.c_str(), static_cast<int>(today.size()),
                          SQLITE_TRANSIENT);

    std::vector<CodeEntry> codes;
    std::set<std::string> seen; // a code listed for several regions is offered once
    while (sqlite3_step(statement.get()) == SQLITE_ROW) {
        std::string code = ColumnText(statement.get(), 0);
        if (seen.insert(code).second)
            codes.push_back(CodeEntry{std::move(code), ColumnText(statement.get(), 1)});
    }
    return codes;
}

} // namespace tavrik
