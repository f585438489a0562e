#include "backoffice/ReceiptAdjustment.h"

#include "backoffice/ActivityLog.h"
#include "backoffice/ReceiptDetail.h"
#include "backoffice/ReceiptRefusalTexts.h"
#include "backoffice/RefusalTexts.h"
#include "backoffice/RequestError.h"
#include "backoffice/RequireAdjustmentComment.h"
#include "backoffice/RequirePrivilege.h"
#include "backoffice/SentTable.h"
#include "common/SevenDigits.h"
#include "common/TextUtil.h"
#include "store/StoreQuery.h"

#include <algorithm>
#include <set>

namespace tavrik {

ReplyMessage ReceiptAdjustment::Handle(const RequestMessage& request) {
    userNumber_ = std::to_string(RequirePrivilege(database_, request.userId, kAdjustReceipts));
    receipt_ = StoredReceipt::Requested(database_, request);

    const DataTable* adjustment = SentTable(request, "ADJUSTPAY");
    if (RowCount(adjustment) != 1)
        Refuse(RefusalTexts::RowCount("ADJUSTPAY"));
    ReadAdjustment(SentRow(*adjustment, 0));
    const DataTable* rows = SentTable(request, "ACNTSRCVBL");
    RequireCancelOnlyAllows(request, rows);
    RequireReceiptAllows();

    ReadStored();
    std::vector<Change> changes = ReadChanges(rows);
    if (!action_.empty())
        RequireEveryUnadjustedPayment(changes);
    Apply(changes);
    return ReceiptDetail(database_).Read(receipt_.number);
}

void ReceiptAdjustment::ReadAdjustment(const SentRow& row) {
    if (row.Code("ACTION") != "ADD")
        Refuse(RefusalTexts::RowAction("ADJUSTPAY", "ADD", row.Text("ACTION")));
    if (ParseSevenDigits(row.Text("RCPT_NBR")) != receipt_.number)
        Refuse(ReceiptRefusalTexts::OtherReceipt(row.Text("RCPT_NBR"), receipt_.Shown()));
    action_ = row.Code("ADJSTMT_TYP_CD");
    if (!action_.empty() && action_ != "B" && action_ != "C")
        Refuse(ReceiptRefusalTexts::UnknownReceiptAction(row.Text("ADJSTMT_TYP_CD")));

    std::optional<CalendarDate> day = row.Date("ADJSTMT_DT");
    if (!day)
        Refuse(RefusalTexts::NotADate("date adjusted"));
    if (*day > now_.Day())
        Refuse(RefusalTexts::AfterToday("date adjusted", *day));
    if (*day < receipt_.date)
        Refuse(ReceiptRefusalTexts::BeforeReceipt(*day, receipt_.date));
    day_ = *day;
    comment_ = RequireAdjustmentComment(row.Text("ADJSTMT_CMMT_TXT"));
}

// A clerk who may only cancel acts on the receipt as a whole, and only to cancel it.
void ReceiptAdjustment::RequireCancelOnlyAllows(const RequestMessage& request, const DataTable* rows) const {
    if (!HoldsPrivilege(database_, request.userId, kCancelReceiptsOnly))
        return;
    bool beyondWholeCancel = action_ != "C";
    for (std::size_t index = 0; index < RowCount(rows); ++index)
        beyondWholeCancel = beyondWholeCancel || SentRow(*rows, index).Code("ADJST_ACTION") == "B";
    if (beyondWholeCancel)
        Refuse(ReceiptRefusalTexts::CancelOnly(ToUpper(Trim(request.userId))));
}

void ReceiptAdjustment::RequireReceiptAllows() const {
    if (receipt_.status == "O")
        return;
    if (receipt_.status != "B")
        Refuse(ReceiptRefusalTexts::ClosedReceipt(receipt_.Shown(), receipt_.status));
    if (action_ != "C")
        Refuse(ReceiptRefusalTexts::BackedOutReceipt(receipt_.Shown()));
}

void ReceiptAdjustment::ReadStored() {
    StoreQuery query(database_, "SELECT p.TRNSCTN_NBR, p.PYMT_NBR, p.CL_PYMT_AMT, p.ACTVTY_STTS_CD, "
                                "a.ACCT_RCVBL_NBR, a.ACCT_RCVBL_CK_NBR, a.ACCT_RCVBL_TYP_CD, a.CUST_ID, "
                                "a.ACCT_RCVBL_BAL_AMT, a.ACCT_STTS_CD FROM payment p "
                                "JOIN acct_rcvbl a ON a.ACCT_RCVBL_NBR = p.ACCT_RCVBL_NBR "
                                "WHERE p.RCPT_NBR = ?1");
    query.Bind(1, receipt_.number);
    while (query.Step()) {
        StoredPayment& payment = payments_[query.Integer(0)];
        payment.number = query.Integer(1);
        payment.amount = Currency::FromUnits(query.Integer(2));
        payment.adjusted = !IsBlank(query.Text(3));
        payment.account = query.Integer(4);
        payment.checkDigit = query.Integer(5);
        payment.type = query.Text(6);
        payment.customerId = query.Text(7);
        accounts_[payment.account] = {Currency::FromUnits(query.Integer(8)), query.Text(9)};
    }
}

std::vector<ReceiptAdjustment::Change> ReceiptAdjustment::ReadChanges(const DataTable* rows) const {
    if (action_.empty() && RowCount(rows) == 0)
        Refuse(ReceiptRefusalTexts::kNothingToAdjust);
    std::vector<Change> changes;
    std::set<const StoredPayment*> seen;
    for (std::size_t index = 0; index < RowCount(rows); ++index) {
        SentRow row(*rows, index);
        Change change = ReadChange(row);
        if (!seen.insert(change.payment).second)
            Refuse(ReceiptRefusalTexts::PaymentTwice(*row.Integer("TRNSCTN_NBR")));
        changes.push_back(change);
    }
    return changes;
}

ReceiptAdjustment::Change ReceiptAdjustment::ReadChange(const SentRow& row) const {
    if (row.Code("ACTION") != "UPD")
        Refuse(RefusalTexts::RowAction("ACNTSRCVBL", "UPD", row.Text("ACTION")));
    std::string action = row.Code("ADJST_ACTION");
    if (action != "B" && action != "C")
        Refuse(ReceiptRefusalTexts::UnknownPaymentAction(row.Text("ADJST_ACTION")));
    if (!action_.empty() && action != action_)
        Refuse(ReceiptRefusalTexts::kActionOfReceipt);

    std::optional<std::int64_t> transaction = row.Integer("TRNSCTN_NBR");
    if (!transaction)
        Refuse(ReceiptRefusalTexts::kPaymentWithoutTransaction);
    auto found = payments_.find(*transaction);
    if (found == payments_.end())
        Refuse(ReceiptRefusalTexts::NotAPayment(*transaction, receipt_.Shown()));
    const StoredPayment& payment = found->second;
    // A payment's transaction number never changes; what it paid and where guards against a client
    // whose rows no longer match the store.
    if (ParseSevenDigits(row.Text("ACCT_RCVBL_NBR")) != payment.account ||
        row.Code("ACCT_RCVBL_TYP_CD") != payment.type ||
        row.Integer("ACCT_RCVBL_CK_NBR") != payment.checkDigit || row.Text("CUST_ID") != payment.customerId ||
        row.Amount("CL_PYMT_AMT") != payment.amount)
        Refuse(ReceiptRefusalTexts::ChangedSinceRead(receipt_.Shown()));
    if (payment.adjusted)
        Refuse(ReceiptRefusalTexts::PaymentAdjusted(SevenDigits(payment.account)));
    return {&payment, action};
}

// The form sends, for the whole receipt, the payments it showed as not adjusted: any other set means
// the receipt changed since it was read. Every row already names a distinct payment not adjusted, so
// the counts tell.
void ReceiptAdjustment::RequireEveryUnadjustedPayment(const std::vector<Change>& changes) const {
    std::size_t unadjusted = std::count_if(payments_.begin(), payments_.end(),
                                           [](const auto& each) { return !each.second.adjusted; });
    if (changes.size() != unadjusted)
        Refuse(ReceiptRefusalTexts::ChangedSinceRead(receipt_.Shown()));
}

void ReceiptAdjustment::Apply(const std::vector<Change>& changes) {
    StoreQuery payment(database_, "UPDATE payment SET ACTVTY_STTS_CD = ?1, ADJSTMT_DT = ?2, "
                                  "ROW_VERSION = ROW_VERSION + 1 WHERE PYMT_NBR = ?3");
    StoreQuery excess(database_,
                      "INSERT INTO overpayment (OVR_PYMT_ID, RCPT_NBR, CUST_ID, OVR_PYMT_DT, OVR_PYMT_TM, "
                      "OVR_PYMT_AMT, OVR_PYMT_STTS_CD) SELECT COALESCE(MAX(OVR_PYMT_ID), 0) + 1, ?1, ?2, ?3, "
                      "?4, ?5, 'O' FROM overpayment");
    ActivityLog log(database_, now_, userNumber_);
    std::set<std::int64_t> touched;
    Currency backedOut;
    for (const Change& change : changes) {
        const StoredPayment& paid = *change.payment;
        payment.Bind(1, change.action).Bind(2, day_.FormatIso()).Bind(3, paid.number);
        payment.Run();
        payment.Reset();

        Account& account = accounts_.at(paid.account);
        account.balance += paid.amount;
        if (account.status == "P")
            account.status = "O";
        touched.insert(paid.account);
        log.Record(paid.account, day_, change.action == "B" ? "BO" : "CN", paid.amount, account.balance,
                   comment_);

        if (change.action == "B")
            backedOut += paid.amount;
    }
    if (backedOut != Currency()) {
        excess.Bind(1, receipt_.number)
            .Bind(2, receipt_.customerId)
            .Bind(3, now_.Day().FormatIso())
            .Bind(4, now_.Time().Format())
            .Bind(5, backedOut.Units());
        excess.Run();
    }

    StoreQuery account(database_, "UPDATE acct_rcvbl SET ACCT_RCVBL_BAL_AMT = ?1, ACCT_STTS_CD = ?2, "
                                  "ROW_VERSION = ROW_VERSION + 1 WHERE ACCT_RCVBL_NBR = ?3");
    for (std::int64_t number : touched) {
        const Account& changed = accounts_.at(number);
        account.Bind(1, changed.balance.Units()).Bind(2, changed.status).Bind(3, number);
        account.Run();
        account.Reset();
    }

    if (action_.empty())
        return;
    StoreQuery receipt(database_, "UPDATE receipt SET RCPT_STTS_CD = ?1, ROW_VERSION = ROW_VERSION + 1 "
                                  "WHERE RCPT_NBR = ?2");
    receipt.Bind(1, action_).Bind(2, receipt_.number);
    receipt.Run();
    if (action_ != "C")
        return;
    StoreQuery close(database_,
                     "UPDATE overpayment SET OVR_PYMT_STTS_CD = 'C', ROW_VERSION = ROW_VERSION + 1 "
                     "WHERE RCPT_NBR = ?1 AND OVR_PYMT_STTS_CD = 'O'");
    close.Bind(1, receipt_.number);
    close.Run();
}

} // namespace tavrik
