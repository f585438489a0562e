#include "backoffice/StoredAccount.h"

#include "backoffice/RefusalTexts.h"
#include "backoffice/RequestError.h"
#include "common/SevenDigits.h"
#include "common/TextUtil.h"
#include "store/StoreQuery.h"

namespace tavrik {

std::string StoredAccount::Shown() const {
    return SevenDigits(number);
}

StoredAccount StoredAccount::Find(StoreConnection& database, const std::string& shownNumber,
                                  const std::string& type) {
    std::optional<std::int64_t> number = ParseSevenDigits(shownNumber);
    if (!number)
        throw RequestError(RefusalTexts::AccountNumberNotValid(shownNumber));
    StoreQuery query(database, "SELECT ACCT_RCVBL_CK_NBR, CUST_ID, ACCT_STTS_CD, ACTV_STTS_CD, CASE_ID, "
                               "ACCT_RCVBL_DUE_AMT, ACCT_RCVBL_BAL_AMT FROM acct_rcvbl "
                               "WHERE ACCT_RCVBL_NBR = ?1 AND ACCT_RCVBL_TYP_CD = ?2");
    query.Bind(1, *number).Bind(2, type);
    if (!query.Step())
        throw RequestError(RefusalTexts::NoSuchAccount(SevenDigits(*number), type));
    StoredAccount account;
    account.number = *number;
    account.checkDigit = static_cast<int>(query.Integer(0));
    account.type = type;
    account.customerId = query.Text(1);
    account.status = query.Text(2);
    account.activeStatus = query.Text(3);
    if (!IsBlank(query.Text(4)))
        account.caseId = query.Text(4);
    account.due = Currency::FromUnits(query.Integer(5));
    account.balance = Currency::FromUnits(query.Integer(6));
    return account;
}

} // namespace tavrik
