#include "backoffice/ActivityLog.h"

namespace tavrik {

ActivityLog::ActivityLog(StoreConnection& database, const LocalMoment& now, std::string userNumber)
    : insert_(database,
              "INSERT INTO account_activity (ACTIVITY_ID, ACCT_RCVBL_NBR, ACTVTY_DT, ACTVTY_TM, "
              "ACCT_ACTVTY_CD, ACTVTY_AMT, ACTVTY_BAL_AMT, ACTVTY_CMMT_TXT, LST_UPDT_USER_ID, "
              "LST_UPDT_TS) SELECT COALESCE(MAX(ACTIVITY_ID), 0) + 1, ?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9 "
              "FROM account_activity"),
      now_(now), userNumber_(std::move(userNumber)) {}

void ActivityLog::Record(std::int64_t account, const CalendarDate& day, std::string_view code,
                         Currency amount, Currency balance, std::string_view comment) {
    insert_.Bind(1, account)
        .Bind(2, day.FormatIso())
        .Bind(3, now_.Time().Format())
        .Bind(4, code)
        .Bind(5, amount.Units())
        .Bind(6, balance.Units())
        .Bind(7, comment)
        .Bind(8, userNumber_)
        .Bind(9, now_.Stamp());
    insert_.Run();
    insert_.Reset();
}

} // namespace tavrik
