#include "backoffice/CustomerAccounts.h"

#include "backoffice/CustomerRefusalTexts.h"
#include "backoffice/ReadDataSet.h"
#include "backoffice/RequestError.h"
#include "backoffice/RequestKeys.h"
#include "backoffice/RequireCustomerId.h"
#include "common/TextUtil.h"
#include "store/StoreQuery.h"

namespace tavrik {

// FORM_NUMBER and CTTN_STTS_TXT stay null: the dialog builds the number and describes the status.
ReplyMessage CustomerAccounts::Handle(const RequestMessage& request) {
    ReplyMessage reply;
    if (std::optional<std::string> receiptsOf = KeyValue(request, "key:CUSTRCPTS")) {
        StoreQuery receipts(database_, "SELECT RCPT_NBR AS RCPTNBR, RCPT_DT AS RCPTDATE, RCPT_STTS_CD AS "
                                       "RCPTSTTS, TOT_PYMT_AMT AS RCPTAMT, CAST(RCPT_CK_NBR AS TEXT) AS "
                                       "RCPTCKDGTNBR FROM receipt WHERE CUST_ID = ?1 ORDER BY RCPT_NBR");
        receipts.Bind(1, RequireCustomerId(RequiredKeyValue(request, "key:CUSTRCPTS", "the customer id")));
        reply.dataSets["CUSTRCPT"] = ReadDataSet(receipts, "CUSTRCPT");
        return reply;
    }
    const std::string type = ToUpper(RequiredKeyValue(request, "key:REF_TYP_CD", "the account type"));
    if (type != "C" && type != "T" && type != "P" && type != "A")
        Refuse(CustomerRefusalTexts::NotListableType(type));
    StoreQuery accounts(
        database_,
        "SELECT CAST(ACCT_RCVBL_CK_NBR AS TEXT) AS FORM_CK_DGT_NBR, ACCT_RCVBL_NBR AS FORM_NBR, STP_DT AS "
        "STP_DT, ACCT_RCVBL_DUE_AMT AS ASSMT_DUE_AMT, ORIG_ASSMT_AMT AS ORIG_ASSMT_AMT, ACCT_RCVBL_TYP_CD AS "
        "FORM_TYP_CD, ACCT_STTS_CD AS CTTN_STTS_CD, ACCT_RCVBL_BAL_AMT AS BAL_DUE, LST_PYMT_DT AS "
        "LST_PYMT_DT "
        "FROM acct_rcvbl WHERE CUST_ID = ?1 AND ACCT_RCVBL_TYP_CD = ?2 ORDER BY ACCT_RCVBL_NBR");
    accounts.Bind(1, RequireCustomerId(RequiredKeyValue(request, "key:CUST_ID", "the customer id")))
        .Bind(2, type);
    reply.dataSets["CUSTOMERFORM"] = ReadDataSet(accounts, "CUSTOMERFORM");
    return reply;
}

} // namespace tavrik
