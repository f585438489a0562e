// The library's local, read-only copy of the code tables (TVK_CODE), in an in-memory SQLite
// database: descriptions, current codes, and the code-table queries forms put in a data set's source.
#pragma once

#include "common/CodeEntry.h"
#include "common/DataTable.h"
#include "common/WindowingPlatform.h"
#include "store/SqliteDatabase.h"

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavrik {

class CodeTables {
public:
    // Loads the rows of the code-table reply (data set "TVK_CODE"); "today" is always the
    // platform's. Throws std::runtime_error for rows that cannot be loaded.
    CodeTables(const DataTable& rows, const WindowingPlatform& platform);
    CodeTables(const CodeTables&) = delete;
    CodeTables& operator=(const CodeTables&) = delete;

    // Runs one SELECT (Jet date literals and date() allowed) and answers its rows, typed by the
    // TVK_CODE fields of the same names (other columns are text). Anything else, and any query
    // that would write, throws std::runtime_error with a clear text.
    DataTable Query(std::string_view query) const;
    // The description of a code in a table, whatever its dates; "" when there is none.
    std::string Description(std::string_view code, std::string_view codeTableId) const;
    // The additional information of a code in a table (ADTL_INFO_TXT), whatever its dates; "" when none.
    std::string Info(std::string_view code, std::string_view codeTableId) const;
    // A table's codes ordered by description: those current today, or all when allCodes is set.
    std::vector<CodeEntry> Codes(std::string_view codeTableId, bool allCodes) const;

private:
    void Load(const DataTable& rows);

    const WindowingPlatform& platform_;
    // Mutable: a query only reads, but SQLite's statements are prepared on the connection.
    mutable SqliteDatabase database_;
    struct Texts {
        std::string description;
        std::string info;
    };
    const Texts* Find(std::string_view code, std::string_view codeTableId) const;

    // Every code's texts by (table, code), read once at load: the grids look them up row by row.
    std::map<std::pair<std::string, std::string>, Texts, std::less<>> texts_;
};

} // namespace tavrik
