// Request 47 by reference: finds the customer that owns an AR, a receipt or a check, and answers
// that customer's ARs and receipts; with "key:LPO" it answers the assessments of that one AR
// instead (an empty set for an AR that has none or does not exist). With "key:RECEIPT_NBR" it is the
// read of one receipt, which ReceiptDetail answers.
#pragma once

#include "common/ReplyMessage.h"
#include "common/RequestMessage.h"
#include "store/StoreConnection.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavrik {

class ReferenceSearch {
public:
    explicit ReferenceSearch(StoreConnection& database) : database_(database) {}

    // Reads within the caller's transaction. A reference that matches nothing is a reply without
    // data sets; a malformed one throws RequestError.
    ReplyMessage Handle(const RequestMessage& request);

private:
    std::vector<std::string> CustomersOfAccount(std::int64_t number, const std::string& type);
    std::vector<std::string> CustomersOfReceipt(std::int64_t number);
    std::vector<std::string> CustomersOfCheck(const std::string& checkNumber);
    ReplyMessage CustomerLists(const std::vector<std::string>& customers);
    ReplyMessage Assessments(std::int64_t number, const std::string& type);

    StoreConnection& database_;
};

} // namespace tavrik
