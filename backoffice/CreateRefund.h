// Request 74, sent when a clerk starts a refund of a receipt's excess fund ("key:CUST_ID",
// "key:RCPT_NBR"): answers the worksheet already under way for the receipt as data set "REFUND" (one
// row, as the receipt's detail shows it), or no "REFUND" when the refund is a new one.
#pragma once

#include "common/ReplyMessage.h"
#include "common/RequestMessage.h"
#include "store/StoreConnection.h"

namespace tavrik {

class CreateRefund {
public:
    explicit CreateRefund(StoreConnection& database) : database_(database) {}

    // Reads within the caller's transaction. Throws RequestError when the sender holds none of the
    // refund privileges, a key is missing or malformed, or the receipt is unknown or another
    // customer's.
    ReplyMessage Handle(const RequestMessage& request);

private:
    StoreConnection& database_;
};

} // namespace tavrik
