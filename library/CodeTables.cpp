#include "library/CodeTables.h"

#include "common/DataSetDefinitions.h"
#include "common/TextUtil.h"
#include "library/JetDateLiterals.h"
#include "store/SqliteStatement.h"
#include "store/StoreTransaction.h"

#include <cctype>
#include <set>
#include <stdexcept>

namespace tavrik {

namespace {

constexpr const char* kTable = "TVK_CODE";

const std::vector<FieldDefinition>& CodeFields() {
    static const std::vector<FieldDefinition>& fields = *DataSetDefinitions::Find(kTable);
    return fields;
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

FieldValue ReadColumn(const SqliteStatement& statement, int column, FieldType type) {
    if (statement.IsNull(column))
        return {};
    const std::string text = statement.Text(column);
    switch (type) {
    case FieldType::Date:
        if (std::optional<CalendarDate> date = CalendarDate::ParseIso(text))
            return *date;
        return text;
    case FieldType::Integer:
        return statement.Integer(column);
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

// Whatever follows the SELECT must be nothing but blanks, semicolons or comments; text that does not
// even compile is something else too.
bool HoldsAnotherStatement(SqliteDatabase& database, std::string_view rest) {
    try {
        return !SqliteStatement(database, rest).IsEmpty();
    } catch (const std::runtime_error&) {
        return true;
    }
}

SqliteDatabase OpenCopy() {
    try {
        return SqliteDatabase(SqliteDatabase::InMemory{});
    } catch (const std::runtime_error&) {
        throw std::runtime_error("The code tables could not be opened in memory.");
    }
}

// Runs a step of the load, naming what SQLite refused.
template <class Step> auto Loading(Step&& step) {
    try {
        return step();
    } catch (const std::runtime_error& failure) {
        throw std::runtime_error(std::string("The code tables could not be loaded: ") + failure.what());
    }
}

} // namespace

CodeTables::CodeTables(const DataTable& rows, const WindowingPlatform& platform)
    : platform_(platform), database_(OpenCopy()) {
    Load(rows);
    // Once loaded, nothing may change the copy: reading is all a query may do.
    database_.AllowOnlyReading();
}

void CodeTables::Load(const DataTable& rows) {
    const std::vector<FieldDefinition>& fields = CodeFields();
    std::string create = std::string("CREATE TABLE ") + kTable + " (";
    std::string insert = std::string("INSERT INTO ") + kTable + " VALUES (";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        create += (i == 0 ? "" : ", ") + fields[i].name + " TEXT";
        insert += (i == 0 ? "?" : ", ?");
    }
    Loading([&] { database_.Execute(create + ")"); });
    Loading([&] { database_.Execute("CREATE INDEX TVK_CODE_BY_TABLE ON TVK_CODE (CD_TBL_ID, CD_TBL_CD)"); });

    std::vector<std::optional<std::size_t>> columns;
    for (const FieldDefinition& field : fields)
        columns.push_back(rows.FieldIndex(field.name));
    const std::optional<std::size_t> tableColumn = rows.FieldIndex("CD_TBL_ID");
    const std::optional<std::size_t> codeColumn = rows.FieldIndex("CD_TBL_CD");
    const std::optional<std::size_t> descriptionColumn = rows.FieldIndex("CD_TBL_DES");
    const std::optional<std::size_t> infoColumn = rows.FieldIndex("ADTL_INFO_TXT");

    StoreTransaction transaction =
        Loading([&] { return StoreTransaction(database_, StoreConnection::Access::Write); });
    SqliteStatement statement = Loading([&] { return SqliteStatement(database_, insert + ")"); });
    for (std::size_t r = 0; r < rows.RowCount(); ++r) {
        const std::vector<FieldValue> row = rows.Row(r);
        statement.Reset();
        for (std::size_t i = 0; i < fields.size(); ++i)
            statement.Bind(static_cast<int>(i + 1),
                           columns[i] ? StoredText(row.at(*columns[i]), fields[i], r) : std::nullopt);
        Loading([&] { statement.Run(); });
        if (tableColumn && codeColumn)
            texts_.try_emplace({Trim(row.at(*tableColumn).ToText()), Trim(row.at(*codeColumn).ToText())},
                               Texts{descriptionColumn ? row.at(*descriptionColumn).ToText() : std::string(),
                                     infoColumn ? row.at(*infoColumn).ToText() : std::string()});
    }
    Loading([&] { transaction.Commit(); });
}

DataTable CodeTables::Query(std::string_view query) const {
    if (!StartsWithSelect(query))
        throw QueryError("only a SELECT may be run", query);
    const std::string translated = TranslateJetDateLiterals(query, platform_.Today());

    std::optional<SqliteStatement> statement;
    try {
        statement.emplace(database_, translated);
    } catch (const std::runtime_error& failure) {
        throw QueryError(failure.what(), query);
    }
    if (statement->IsEmpty() || !statement->IsReadOnly())
        throw QueryError("only a SELECT may be run", query);
    if (HoldsAnotherStatement(database_, statement->Tail()))
        throw QueryError("only one statement may be run", query);

    DataTable table;
    const int columnCount = statement->ColumnCount();
    for (int c = 0; c < columnCount; ++c) {
        const std::string name = statement->ColumnName(c);
        table.AddField(FieldDefinition{name, TypeOfColumn(name)});
    }
    try {
        while (statement->Step()) {
            const std::size_t row = table.AddRow();
            for (std::size_t c = 0; c < table.Fields().size(); ++c)
                table.SetCell(row, c, ReadColumn(*statement, static_cast<int>(c), table.Fields()[c].type));
        }
    } catch (const std::runtime_error& failure) {
        throw QueryError(failure.what(), query);
    }
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
    SqliteStatement statement(database_,
                              allCodes ? "SELECT CD_TBL_CD, CD_TBL_DES FROM TVK_CODE WHERE CD_TBL_ID = ?1 "
                                         "ORDER BY CD_TBL_DES, CD_TBL_CD, rowid"
                                       : "SELECT CD_TBL_CD, CD_TBL_DES FROM TVK_CODE WHERE CD_TBL_ID = ?1 "
                                         "AND EFCTV_DT <= ?2 AND (END_DT IS NULL OR END_DT >= ?2) "
                                         "ORDER BY CD_TBL_DES, CD_TBL_CD, rowid");
    statement.Bind(1, Trim(codeTableId));
    if (!allCodes)
        statement.Bind(2, platform_.Today().FormatIso());

    std::vector<CodeEntry> codes;
    std::set<std::string> seen; // a code listed for several regions is offered once
    while (statement.Step()) {
        std::string code = statement.Text(0);
        if (seen.insert(code).second)
            codes.push_back(CodeEntry{std::move(code), statement.Text(1)});
    }
    return codes;
}

} // namespace tavrik
