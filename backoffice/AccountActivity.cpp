#include "backoffice/AccountActivity.h"

#include "backoffice/ReadDataSet.h"
#include "backoffice/RequestKeys.h"
#include "backoffice/StoredAccount.h"
#include "common/TextUtil.h"
#include "store/StoreQuery.h"

namespace tavrik {

ReplyMessage AccountActivity::Handle(const RequestMessage& request) {
    std::string number = RequiredKeyValue(request, "key:ACCT_RCVBL_NBR", "the account number");
    std::string type = ToUpper(RequiredKeyValue(request, "key:ACCT_RCVBL_TYP_CD", "the account type"));
    StoredAccount account = StoredAccount::Find(database_, number, type);

    // ADTL_INFO_TXT and ACTION stay null: the window fills the first from the code table, and no row
    // it is sent is being edited.
    StoreQuery query(
        database_,
        "SELECT CAST(a.ACCT_RCVBL_CK_NBR AS TEXT) AS ACCT_CK_DGT_NBR, a.ACCT_RCVBL_NBR AS ACCT_RCVBL_NBR, "
        "a.ACCT_RCVBL_TYP_CD AS ACCT_RCVBL_TYP_CD, v.ACTVTY_DT AS ACTVTY_DT, "
        "v.ACTVTY_TM AS ACTVTY_TM, v.ACCT_ACTVTY_CD AS ACCT_ACTVTY_CD, v.ACTVTY_AMT AS ACTVTY_AMT, "
        "v.ACTVTY_BAL_AMT AS ACTVTY_BAL_AMT, v.ACTVTY_CMMT_TXT AS ACTVTY_CMMT_TXT, "
        "v.LST_UPDT_USER_ID AS LST_UPDT_USER_ID, v.LST_UPDT_TS AS LST_UPDT_TS "
        "FROM account_activity v JOIN acct_rcvbl a ON a.ACCT_RCVBL_NBR = v.ACCT_RCVBL_NBR "
        "WHERE v.ACCT_RCVBL_NBR = ?1 ORDER BY v.ACTIVITY_ID");
    query.Bind(1, account.number);
    ReplyMessage reply;
    reply.dataSets["ACCOUNTACTIVITY"] = ReadDataSet(query, "ACCOUNTACTIVITY", kAccountFormNumbers);
    return reply;
}

} // namespace tavrik
