#include "backoffice/ReceiptRefunds.h"

#include "backoffice/ReadDataSet.h"
#include "backoffice/RefundSelect.h"
#include "store/StoreQuery.h"

#include <string>

namespace tavrik {

DataTable ReceiptRefunds::All(std::int64_t receipt) {
    return Read("WHERE f.RCPT_NBR = ?1 ORDER BY f.RFND_NBR", receipt);
}

// Refund numbers are handed out in turn, so the highest is the newest.
DataTable ReceiptRefunds::Live(std::int64_t receipt) {
    return Read("WHERE f.RCPT_NBR = ?1 AND f.STTS_CD <> 'V' ORDER BY f.RFND_NBR DESC LIMIT 1", receipt);
}

DataTable ReceiptRefunds::Read(std::string_view condition, std::int64_t receipt) {
    StoreQuery query(database_, std::string(kRefundSelect) + std::string(condition));
    query.Bind(1, receipt);
    return ReadDataSet(query, "REFUND", kRefundFormNumbers);
}

} // namespace tavrik
