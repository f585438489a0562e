// Request 47 for one receipt ("key:RECEIPT_NBR", "key:RECEIPT_DETL" "YES"), as the receipt detail
// form shows it: the receipt (RECEIPT), its funds (FUND), its payments against ARs (ACNTSRCVBL), its
// excess funds (OVERPAYMENT) and, only when it has any, its refunds (REFUND). Each data set is one
// query, however many payments the receipt made.
#pragma once

#include "common/ReplyMessage.h"
#include "common/RequestMessage.h"
#include "store/StoreConnection.h"

#include <cstdint>

namespace tavrik {

class ReceiptDetail {
public:
    explicit ReceiptDetail(StoreConnection& database) : database_(database) {}

    // Reads within the caller's transaction. Throws RequestError when the keys are missing or wrong,
    // the number is malformed, or no receipt has it.
    ReplyMessage Handle(const RequestMessage& request);
    // The data sets of a receipt that exists, as the caller's transaction sees them: also the answer
    // to an adjustment of the receipt.
    ReplyMessage Read(std::int64_t receipt);

private:
    StoreConnection& database_;
};

} // namespace tavrik
