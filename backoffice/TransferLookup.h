// Request 1007, what the payment control of "Transfer Payment" shows: the open excess funds of the
// receipt "key:RCPT_NBR" (data set "OVERPAYMENT" with their row versions) and, with "key:CUST_ID",
// the receiving customer (one "CUSTOMERMATCH" row) and its open ARs still owing (data set
// "ACNTSRCVBL" with their row versions), which request 36 sends back for its stale checks.
#pragma once

#include "common/ReplyMessage.h"
#include "common/RequestMessage.h"
#include "store/StoreConnection.h"

namespace tavrik {

class TransferLookup {
public:
    explicit TransferLookup(StoreConnection& database) : database_(database) {}

    // Reads within the caller's transaction. Throws RequestError when the sender may not adjust
    // receipts, a key is missing or malformed, or the receipt or the customer is unknown.
    ReplyMessage Handle(const RequestMessage& request);

private:
    StoreConnection& database_;
};

} // namespace tavrik
