#include "backoffice/TransferPayment.h"

#include "backoffice/ActivityLog.h"
#include "backoffice/ReceiptDetail.h"
#include "backoffice/ReceiptRefusalTexts.h"
#include "backoffice/RefusalTexts.h"
#include "backoffice/RequestError.h"
#include "backoffice/RequestKeys.h"
#include "backoffice/RequireCustomerId.h"
#include "backoffice/RequireFormNumber.h"
#include "backoffice/RequirePrivilege.h"
#include "backoffice/SentTable.h"
#include "backoffice/TransferRefusalTexts.h"
#include "common/CheckDigit.h"
#include "common/SevenDigits.h"
#include "common/TextUtil.h"
#include "store/StoreQuery.h"

#include <set>

namespace tavrik {

ReplyMessage TransferPayment::Handle(const RequestMessage& request) {
    userNumber_ = std::to_string(RequirePrivilege(database_, request.userId, kAdjustReceipts));
    const std::int64_t number =
        RequireFormNumber(RequiredKeyValue(request, "key:OVRG_RCPT", "the receipt number"), "receipt number");
    const std::optional<StoredReceipt> receipt = StoredReceipt::Find(database_, number);
    if (!receipt)
        Refuse(ReceiptRefusalTexts::NoSuchReceipt(SevenDigits(number)));
    receipt_ = *receipt;
    RequireConfirmedReceipt();

    const DataTable* rows = SentTable(request, "EXCESS");
    std::vector<SentRow> applied;
    std::size_t transfers = 0;
    for (std::size_t index = 0; index < RowCount(rows); ++index) {
        SentRow row(*rows, index);
        const std::string action = row.Code("ACTION");
        if (action == "TRANSFER") {
            if (++transfers == 1)
                ReadTransfer(row);
        } else if (action == "APPLY") {
            applied.push_back(row);
        } else {
            Refuse(TransferRefusalTexts::UnknownRowAction(row.Text("ACTION")));
        }
    }
    if (transfers != 1)
        Refuse(TransferRefusalTexts::kNoTransferRow);

    std::set<std::int64_t> paid;
    Currency total;
    for (const SentRow& row : applied) {
        Payment payment = ReadPayment(row);
        if (!paid.insert(payment.account).second)
            Refuse(TransferRefusalTexts::AccountTwice(SevenDigits(payment.account)));
        total += payment.amount;
        payments_.push_back(payment);
    }
    if (total > amount_)
        Refuse(TransferRefusalTexts::AppliedAboveAmount(total, amount_));

    Apply();
    return ReceiptDetail(database_).Read(receipt_.number);
}

void TransferPayment::RequireConfirmedReceipt() const {
    StoreQuery query(database_, "SELECT CNFRMTN_NBR FROM receipt WHERE RCPT_NBR = ?1");
    query.Bind(1, receipt_.number);
    query.Step();
    if (receipt_.status != "O" || query.IsNull(0) || IsBlank(query.Text(0)))
        Refuse(TransferRefusalTexts::NotConfirmed(receipt_.Shown()));
}

// The version read guards the fund first: a fund another clerk moved or refunded since has a newer
// one, and that clerk's change is what this one needs to hear about.
void TransferPayment::ReadTransfer(const SentRow& row) {
    if (ParseSevenDigits(row.Text("RCPT_NBR")) != receipt_.number)
        Refuse(ReceiptRefusalTexts::OtherReceipt(row.Text("RCPT_NBR"), receipt_.Shown()));
    const std::optional<std::int64_t> id = row.Integer("OVR_PYMT_ID");
    StoreQuery query(database_,
                     "SELECT CUST_ID, OVR_PYMT_AMT, OVR_PYMT_STTS_CD, ROW_VERSION FROM overpayment "
                     "WHERE OVR_PYMT_ID = ?1 AND RCPT_NBR = ?2");
    query.Bind(1, id.value_or(0)).Bind(2, receipt_.number);
    if (!id || !query.Step())
        Refuse(TransferRefusalTexts::NoSuchExcessFund(id.value_or(0), receipt_.Shown()));
    if (row.Integer("ROW_VERSION") != query.Integer(3))
        Refuse(TransferRefusalTexts::ExcessChangedSinceRead(receipt_.Shown()));
    if (query.Text(2) != "O")
        Refuse(TransferRefusalTexts::ExcessNotOpen(receipt_.Shown()));
    excess_ = {*id, query.Text(0), Currency::FromUnits(query.Integer(1))};
    RequireNoWorksheetUnderWay();

    RequireReceiver(row.Text("CUST_ID"));
    const std::optional<Currency> amount = row.Amount("PYMT_AMT");
    if (!amount || *amount <= Currency())
        Refuse(TransferRefusalTexts::kAmountNotPositive);
    if (amount->RoundedToCents() != *amount)
        Refuse(TransferRefusalTexts::NotWholeCents(row.Text("PYMT_AMT")));
    if (*amount > excess_.amount)
        Refuse(TransferRefusalTexts::AmountAboveExcess(*amount, excess_.amount));
    amount_ = *amount;
}

// A refund under way may already have sent its warrant; the money must not leave the receipt by a
// second road until the worksheet is voided.
void TransferPayment::RequireNoWorksheetUnderWay() const {
    StoreQuery held(database_, "SELECT RFND_NBR FROM refund WHERE RCPT_NBR = ?1 AND STTS_CD NOT IN "
                               "('5', 'T', 'V') ORDER BY RFND_NBR");
    held.Bind(1, receipt_.number);
    if (held.Step())
        Refuse(TransferRefusalTexts::OnRefundWorksheet(receipt_.Shown(), SevenDigits(held.Integer(0))));
}

void TransferPayment::RequireReceiver(const std::string& sent) {
    receiver_ = RequireCustomerId(sent);
    StoreQuery query(database_, "SELECT 1 FROM customer WHERE CUST_ID = ?1");
    query.Bind(1, receiver_);
    if (receiver_.empty() || !query.Step())
        Refuse(TransferRefusalTexts::NoSuchCustomer(sent));
    if (receiver_ == excess_.customerId || receiver_ == receipt_.customerId)
        Refuse(TransferRefusalTexts::SameCustomer(receiver_));
}

TransferPayment::Payment TransferPayment::ReadPayment(const SentRow& row) const {
    const std::optional<std::int64_t> account = ParseSevenDigits(row.Text("ACCT_RCVBL_NBR"));
    if (!account)
        Refuse(RefusalTexts::AccountNumberNotValid(row.Text("ACCT_RCVBL_NBR")));
    const std::string shown = SevenDigits(*account);
    StoreQuery query(database_,
                     "SELECT ACCT_RCVBL_CK_NBR, ACCT_RCVBL_TYP_CD, ACCT_RCVBL_BAL_AMT, ROW_VERSION "
                     "FROM acct_rcvbl WHERE ACCT_RCVBL_NBR = ?1 AND CUST_ID = ?2 AND "
                     "ACCT_STTS_CD = 'O' AND ACTV_STTS_CD = 'A'");
    query.Bind(1, *account).Bind(2, receiver_);
    if (!query.Step() || ToUpper(row.Text("CUST_ID")) != receiver_)
        Refuse(TransferRefusalTexts::NotTheReceiversAccount(shown, receiver_));
    if (row.Integer("ROW_VERSION") != query.Integer(3) ||
        row.Integer("ACCT_RCVBL_CK_NBR") != query.Integer(0) ||
        row.Code("ACCT_RCVBL_TYP_CD") != query.Text(1))
        Refuse(TransferRefusalTexts::AccountChangedSinceRead(shown));
    const std::optional<Currency> amount = row.Amount("PYMT_AMT");
    if (!amount || *amount <= Currency())
        Refuse(TransferRefusalTexts::AppliedNotPositive(shown));
    if (amount->RoundedToCents() != *amount)
        Refuse(TransferRefusalTexts::NotWholeCents(row.Text("PYMT_AMT")));
    const Currency balance = Currency::FromUnits(query.Integer(2));
    if (*amount > balance)
        Refuse(TransferRefusalTexts::AppliedAboveBalance(shown, *amount, balance));
    return {*account, *amount, balance - *amount};
}

void TransferPayment::Apply() {
    const std::int64_t destination = AddReceipt();
    CloseExcess(destination);
    AddPayments(destination);
    Currency rest = amount_;
    for (const Payment& payment : payments_)
        rest -= payment.amount;
    if (rest > Currency())
        AddExcess(destination, receiver_, rest);
}

// Confirmed from the start, so that what the payments leave of it can be transferred again.
std::int64_t TransferPayment::AddReceipt() {
    StoreQuery last(database_, "SELECT COALESCE(MAX(RCPT_NBR), 0) FROM receipt");
    last.Step();
    const std::int64_t number = last.Integer(0) + 1;
    if (number > 9999999)
        throw std::runtime_error("The back office has no receipt number left.");
    StoreQuery receipt(database_,
                       "INSERT INTO receipt (RCPT_NBR, RCPT_CK_NBR, CUST_ID, RCPT_DT, RCPT_STTS_CD, "
                       "TOT_PYMT_AMT, CNFRMTN_NBR) VALUES (?1, ?2, ?3, ?4, 'O', ?5, ?6)");
    receipt.Bind(1, number)
        .Bind(2, std::int64_t{*ComputeCheckDigit(SevenDigits(number))})
        .Bind(3, receiver_)
        .Bind(4, now_.Day().FormatIso())
        .Bind(5, amount_.Units())
        .Bind(6, "TRF-" + receipt_.Shown());
    receipt.Run();
    return number;
}

void TransferPayment::CloseExcess(std::int64_t destination) {
    StoreQuery close(database_, "UPDATE overpayment SET OVR_PYMT_AMT = ?1, OVR_PYMT_STTS_CD = 'T', "
                                "DSTNTN_RCPT_NBR = ?2, ROW_VERSION = ROW_VERSION + 1 WHERE OVR_PYMT_ID = ?3");
    close.Bind(1, amount_.Units()).Bind(2, destination).Bind(3, excess_.id);
    close.Run();
    if (amount_ < excess_.amount)
        AddExcess(receipt_.number, excess_.customerId, excess_.amount - amount_);
}

void TransferPayment::AddPayments(std::int64_t receipt) {
    StoreQuery payment(database_, "INSERT INTO payment (PYMT_NBR, RCPT_NBR, ACCT_RCVBL_NBR, TRNSCTN_NBR, "
                                  "TRNSCTN_DT, PYMT_DT, CL_PYMT_AMT, "
                                  "STTS_CD) SELECT COALESCE(MAX(PYMT_NBR), 0) + 1, ?1, ?2, "
                                  "COALESCE(MAX(TRNSCTN_NBR), 0) + 1, ?3, ?3, ?4, "
                                  "'A' FROM payment");
    StoreQuery account(database_,
                       "UPDATE acct_rcvbl SET ACCT_RCVBL_BAL_AMT = ?1, ACCT_STTS_CD = ?2, "
                       "LST_PYMT_DT = ?3, ROW_VERSION = ROW_VERSION + 1 WHERE ACCT_RCVBL_NBR = ?4");
    ActivityLog log(database_, now_, userNumber_);
    const std::string day = now_.Day().FormatIso();
    const std::string comment = "Transferred from receipt " + receipt_.Shown();
    for (const Payment& each : payments_) {
        payment.Bind(1, receipt).Bind(2, each.account).Bind(3, day).Bind(4, each.amount.Units());
        payment.Run();
        payment.Reset();
        account.Bind(1, each.balance.Units())
            .Bind(2, each.balance == Currency() ? "P" : "O")
            .Bind(3, day)
            .Bind(4, each.account);
        account.Run();
        account.Reset();
        log.Record(each.account, now_.Day(), "PY", -each.amount, each.balance, comment);
    }
}

void TransferPayment::AddExcess(std::int64_t receipt, const std::string& customerId, Currency amount) {
    StoreQuery excess(database_,
                      "INSERT INTO overpayment (OVR_PYMT_ID, RCPT_NBR, CUST_ID, OVR_PYMT_DT, OVR_PYMT_TM, "
                      "OVR_PYMT_AMT, OVR_PYMT_STTS_CD) SELECT COALESCE(MAX(OVR_PYMT_ID), 0) + 1, ?1, ?2, ?3, "
                      "?4, ?5, 'O' FROM overpayment");
    excess.Bind(1, receipt)
        .Bind(2, customerId)
        .Bind(3, now_.Day().FormatIso())
        .Bind(4, now_.Time().Format())
        .Bind(5, amount.Units());
    excess.Run();
}

} // namespace tavrik
