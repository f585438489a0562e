// Request 1003: what the library looks user names and troops up in, data sets "APPUSER" (every
// user, by number) and "TROOPDISTRICT" (every district of every troop).
#pragma once

#include "common/ReplyMessage.h"
#include "sqlite/SqliteDatabase.h"

namespace tavrik {

class ReferenceData {
public:
    explicit ReferenceData(SqliteDatabase& database) : database_(database) {}

    // Reads within the caller's transaction.
    ReplyMessage Handle();

private:
    SqliteDatabase& database_;
};

} // namespace tavrik
