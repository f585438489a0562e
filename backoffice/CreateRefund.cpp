#include "backoffice/CreateRefund.h"

#include "backoffice/ReceiptRefunds.h"
#include "backoffice/ReceiptRefusalTexts.h"
#include "backoffice/RefundWorksheet.h"
#include "backoffice/RequestError.h"
#include "backoffice/RequestKeys.h"
#include "backoffice/RequireCustomerId.h"
#include "backoffice/RequireFormNumber.h"
#include "backoffice/RequirePrivilege.h"
#include "backoffice/StoredReceipt.h"
#include "common/SevenDigits.h"

namespace tavrik {

// Every officer of a worksheet's steps opens it from the receipt, so each step's privilege reads it.
ReplyMessage CreateRefund::Handle(const RequestMessage& request) {
    RequireAnyPrivilege(database_, request.userId,
                        {kPrepareRefunds, kVerifyRefunds, kApproveRefunds, kIssueRefunds, kVoidRefunds},
                        "work on refund worksheets");
    const std::string customer =
        RequireCustomerId(RequiredKeyValue(request, "key:CUST_ID", "the customer id"));
    const std::int64_t number =
        RequireFormNumber(RequiredKeyValue(request, "key:RCPT_NBR", "the receipt number"), "receipt number");
    const std::optional<StoredReceipt> receipt = StoredReceipt::Find(database_, number);
    if (!receipt)
        Refuse(ReceiptRefusalTexts::NoSuchReceipt(SevenDigits(number)));
    if (receipt->customerId != customer)
        Refuse(ReceiptRefusalTexts::NotTheCustomers(receipt->Shown(), customer));

    ReplyMessage reply;
    DataTable worksheet = ReceiptRefunds(database_).Live(number);
    if (!worksheet.IsEmpty())
        reply.dataSets["REFUND"] = std::move(worksheet);
    return reply;
}

} // namespace tavrik
