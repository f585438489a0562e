// A receipt as the receipt requests find it: by the number their keys name.
#pragma once

#include "common/CalendarDate.h"
#include "common/RequestMessage.h"
#include "store/StoreConnection.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tavrik {

struct StoredReceipt {
    std::int64_t number = 0;
    std::string customerId;
    CalendarDate date;  // RCPT_DT
    std::string status; // RCPT_STTS_CD: "O" open, "B" backed out, "C" canceled

    // "0100001", as an error text names it.
    std::string Shown() const;

    // The receipt of "key:RECEIPT_NBR" (as a clerk types it), asked for with "key:RECEIPT_DETL" "YES".
    // Reads within the caller's transaction. Throws RequestError when a key is missing or wrong, the
    // number is malformed, or no receipt has it.
    static StoredReceipt Requested(StoreConnection& database, const RequestMessage& request);
    // The receipt of that number, or nothing when no receipt has it. Reads within the caller's
    // transaction.
    static std::optional<StoredReceipt> Find(StoreConnection& database, std::int64_t number);
};

} // namespace tavrik
