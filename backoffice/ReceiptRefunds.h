// The refund worksheets of one receipt as data set "REFUND": what the receipt's detail lists and what
// a refund started from the receipt shows, read the same way so the worksheet finds every field.
#pragma once

#include "common/DataTable.h"
#include "store/StoreConnection.h"

#include <cstdint>
#include <string_view>

namespace tavrik {

class ReceiptRefunds {
public:
    explicit ReceiptRefunds(StoreConnection& database) : database_(database) {}

    // Every worksheet of the receipt, voided ones included, by refund number. Reads within the
    // caller's transaction.
    DataTable All(std::int64_t receipt);
    // The worksheet the receipt's refund goes on with: the newest one not voided; no row when there
    // is none. Reads within the caller's transaction.
    DataTable Live(std::int64_t receipt);

private:
    DataTable Read(std::string_view condition, std::int64_t receipt);

    StoreConnection& database_;
};

} // namespace tavrik
