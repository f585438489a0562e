// The account activity an adjustment records on each AR it changes: the rows share the clerk's user
// number and the back office's time, so that the log tells who changed what, and when.
#pragma once

#include "backoffice/LocalMoment.h"
#include "common/CalendarDate.h"
#include "common/Currency.h"
#include "store/StoreQuery.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrik {

class ActivityLog {
public:
    // Writes within the caller's transaction. userNumber: LST_UPDT_USER_ID of every row.
    ActivityLog(StoreConnection& database, const LocalMoment& now, std::string userNumber);

    // One row on the AR: dated day at the back office's time of day, with the activity code
    // (COLLECTN), the amount the balance changed by and the balance after.
    void Record(std::int64_t account, const CalendarDate& day, std::string_view code, Currency amount,
                Currency balance, std::string_view comment);

private:
    StoreQuery insert_;
    LocalMoment now_;
    std::string userNumber_;
};

} // namespace tavrik
