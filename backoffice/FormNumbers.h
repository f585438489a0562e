// Request 1005 of our own: hands out new form numbers of one type, never the same number twice.
// Keys "key:NBR_TYP_CD" ("U": refund numbers) and "key:NBR_CNT" (how many, 1 to 10); answers data
// set "REQ" with one row per number, in field "U", the lowest first.
#pragma once

#include "common/ReplyMessage.h"
#include "common/RequestMessage.h"
#include "store/StoreConnection.h"

namespace tavrik {

class FormNumbers {
public:
    explicit FormNumbers(StoreConnection& database) : database_(database) {}

    // Within the caller's write transaction, which the caller commits only when this returns. Throws
    // RequestError, having taken nothing, for an unknown type, a count out of range, or a type whose
    // numbers would pass seven digits.
    ReplyMessage Handle(const RequestMessage& request);

private:
    StoreConnection& database_;
};

} // namespace tavrik
