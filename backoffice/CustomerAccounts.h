// Request 50, the Select Account dialog's lists of one customer: with "key:REF_TYP_CD" (C, T, P or
// A) and "key:CUST_ID", that customer's ARs of that type (CUSTOMERFORM); with "key:CUSTRCPTS" (the
// customer id), its receipts (CUSTRCPT). Each list is one query on the customer's index, in number
// order; a customer with no rows, or none at all, gets the list without rows.
#pragma once

#include "common/ReplyMessage.h"
#include "common/RequestMessage.h"
#include "store/StoreConnection.h"

namespace tavrik {

class CustomerAccounts {
public:
    explicit CustomerAccounts(StoreConnection& database) : database_(database) {}

    // Reads within the caller's transaction. Throws RequestError for a missing or malformed key.
    ReplyMessage Handle(const RequestMessage& request);

private:
    StoreConnection& database_;
};

} // namespace tavrik
