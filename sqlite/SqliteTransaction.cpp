#include "sqlite/SqliteTransaction.h"

#include <sqlite3.h>

namespace tavrik {

SqliteTransaction::SqliteTransaction(SqliteDatabase& database, Kind kind) : database_(database) {
    database_.Execute(kind == Kind::Write ? "BEGIN IMMEDIATE" : "BEGIN");
}

SqliteTransaction::~SqliteTransaction() {
    if (open_)
        sqlite3_exec(database_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqliteTransaction::Commit() {
    database_.Execute("COMMIT");
    open_ = false;
}

} // namespace tavrik
