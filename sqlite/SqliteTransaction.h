// One SQLite transaction: begun by the constructor, rolled back by the destructor unless committed,
// so that a handler either applies all of an update or nothing.
#pragma once

#include "sqlite/SqliteDatabase.h"

namespace tavrik {

class SqliteTransaction {
public:
    // Read transactions see one snapshot; write transactions take the write lock at once, so that
    // a stale-row check and the update that follows it cannot interleave with another writer.
    enum class Kind { Read, Write };

    SqliteTransaction(SqliteDatabase& database, Kind kind);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;

    void Commit();

private:
    SqliteDatabase& database_;
    bool open_ = true;
};

} // namespace tavrik
