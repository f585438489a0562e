#include "backoffice/TransferLookup.h"

#include "backoffice/ReadDataSet.h"
#include "backoffice/ReceiptRefusalTexts.h"
#include "backoffice/RequestError.h"
#include "backoffice/RequestKeys.h"
#include "backoffice/RequireCustomerId.h"
#include "backoffice/RequireFormNumber.h"
#include "backoffice/RequirePrivilege.h"
#include "backoffice/StoredReceipt.h"
#include "backoffice/TransferRefusalTexts.h"
#include "common/SevenDigits.h"
#include "store/StoreQuery.h"

namespace tavrik {

ReplyMessage TransferLookup::Handle(const RequestMessage& request) {
    RequirePrivilege(database_, request.userId, kAdjustReceipts);
    const std::int64_t number =
        RequireFormNumber(RequiredKeyValue(request, "key:RCPT_NBR", "the receipt number"), "receipt number");
    if (!StoredReceipt::Find(database_, number))
        Refuse(ReceiptRefusalTexts::NoSuchReceipt(SevenDigits(number)));

    ReplyMessage reply;
    StoreQuery excess(
        database_,
        "SELECT o.OVR_PYMT_ID AS OVR_PYMT_ID, o.OVR_PYMT_AMT AS OVR_PYMT_AMT, o.CUST_ID AS CUST_ID, "
        "c.CUST_NM AS CUST_NM, o.OVR_PYMT_STTS_CD AS OVR_PYMT_STTS_CD, o.ROW_VERSION AS ROW_VERSION "
        "FROM overpayment o JOIN customer c ON c.CUST_ID = o.CUST_ID "
        "WHERE o.RCPT_NBR = ?1 AND o.OVR_PYMT_STTS_CD = 'O' ORDER BY o.OVR_PYMT_ID");
    excess.Bind(1, number);
    reply.dataSets["OVERPAYMENT"] = ReadDataSet(excess, "OVERPAYMENT");

    const std::optional<std::string> sent = KeyValue(request, "key:CUST_ID");
    if (!sent)
        return reply;
    const std::string customer = RequireCustomerId(*sent);
    StoreQuery named(database_, "SELECT CUST_ID AS CUST_ID, CUST_NM AS CUST_NM, CUST_TYP_CD AS CUST_TYP_CD, "
                                "CITY AS CITY, STATE AS STATE FROM customer WHERE CUST_ID = ?1");
    named.Bind(1, customer);
    DataTable found = ReadDataSet(named, "CUSTOMERMATCH");
    if (found.IsEmpty())
        Refuse(TransferRefusalTexts::NoSuchCustomer(customer));
    reply.dataSets["CUSTOMERMATCH"] = std::move(found);

    // FORM_DESC stays null: the control describes the type from the code tables, as the receipt's
    // detail does.
    StoreQuery accounts(database_,
                        "SELECT a.CUST_ID AS CUST_ID, a.ACCT_RCVBL_NBR AS "
                        "ACCT_RCVBL_NBR, CAST(a.ACCT_RCVBL_CK_NBR AS TEXT) AS ACCT_RCVBL_CK_NBR, "
                        "a.ACCT_RCVBL_TYP_CD AS ACCT_RCVBL_TYP_CD, a.ACCT_RCVBL_DUE_DT AS ACCT_RCVBL_DUE_DT, "
                        "a.ACCT_RCVBL_BAL_AMT AS ACCT_RCVBL_BAL_AMT, a.ROW_VERSION AS ROW_VERSION "
                        "FROM acct_rcvbl a WHERE a.CUST_ID = ?1 AND a.ACCT_STTS_CD = 'O' AND "
                        "a.ACTV_STTS_CD = 'A' AND a.ACCT_RCVBL_BAL_AMT > 0 ORDER BY a.ACCT_RCVBL_NBR");
    accounts.Bind(1, customer);
    reply.dataSets["ACNTSRCVBL"] = ReadDataSet(accounts, "ACNTSRCVBL", kAccountFormNumbers);
    return reply;
}

} // namespace tavrik
