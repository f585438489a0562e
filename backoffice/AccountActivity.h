// Request 41: the activity log of one AR (keys "key:ACCT_RCVBL_NBR" as shown, "key:ACCT_RCVBL_TYP_CD";
// "key:THIN" is not used), as data set "ACCOUNTACTIVITY" in the order it was recorded.
#pragma once

#include "common/ReplyMessage.h"
#include "common/RequestMessage.h"
#include "store/StoreConnection.h"

namespace tavrik {

class AccountActivity {
public:
    explicit AccountActivity(StoreConnection& database) : database_(database) {}

    // Reads within the caller's transaction. Throws RequestError for a malformed number or an AR that
    // does not exist with that type.
    ReplyMessage Handle(const RequestMessage& request);

private:
    StoreConnection& database_;
};

} // namespace tavrik
