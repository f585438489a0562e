// Request 1003: what the library looks user names and troops up in, data sets "APPUSER" (every
// user, by number) and "TROOPDISTRICT" (every district of every troop).
#pragma once

#include "common/ReplyMessage.h"
#include "store/StoreConnection.h"

namespace tavrik {

class ReferenceData {
public:
    explicit ReferenceData(StoreConnection& database) : database_(database) {}

    // Reads within the caller's transaction.
    ReplyMessage Handle();

private:
    StoreConnection& database_;
};

} // namespace tavrik
