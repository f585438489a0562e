#include "backoffice/StoredReceipt.h"

#include "backoffice/ReceiptRefusalTexts.h"
#include "backoffice/RequestError.h"
#include "backoffice/RequestKeys.h"
#include "backoffice/RequireFormNumber.h"
#include "common/SevenDigits.h"
#include "common/TextUtil.h"
#include "store/StoreQuery.h"

#include <stdexcept>

namespace tavrik {

std::string StoredReceipt::Shown() const {
    return SevenDigits(number);
}

StoredReceipt StoredReceipt::Requested(StoreConnection& database, const RequestMessage& request) {
    std::string shown = RequiredKeyValue(request, "key:RECEIPT_NBR", "the receipt number");
    std::string detail = RequiredKeyValue(request, "key:RECEIPT_DETL", "the receipt detail flag");
    if (ToUpper(detail) != "YES")
        Refuse(ReceiptRefusalTexts::DetailFlag(detail));
    std::int64_t number = RequireFormNumber(shown, "receipt number");
    std::optional<StoredReceipt> receipt = Find(database, number);
    if (!receipt)
        Refuse(ReceiptRefusalTexts::NoSuchReceipt(SevenDigits(number)));
    return *receipt;
}

std::optional<StoredReceipt> StoredReceipt::Find(StoreConnection& database, std::int64_t number) {
    StoreQuery query(database, "SELECT CUST_ID, RCPT_DT, RCPT_STTS_CD FROM receipt WHERE RCPT_NBR = ?1");
    query.Bind(1, number);
    if (!query.Step())
        return std::nullopt;
    StoredReceipt receipt;
    receipt.number = number;
    receipt.customerId = query.Text(0);
    std::optional<CalendarDate> date = CalendarDate::ParseIso(query.Text(1));
    if (!date)
        throw std::runtime_error("The back office holds the day \"" + query.Text(1) +
                                 "\" in RCPT_DT, which is not a date.");
    receipt.date = *date;
    receipt.status = query.Text(2);
    return receipt;
}

} // namespace tavrik
