// Request 48 for a receipt ("key:RECEIPT_NBR", "key:RECEIPT_DETL" "YES"; data sets "ADJUSTPAY" and
// "ACNTSRCVBL"): backs out or cancels the whole receipt, or single payments it made against ARs, after
// checking everything a trusting client could get wrong. Answers the receipt as its detail read does.
//
// Where the money goes. Every payment adjusted gives its AR back what it paid: the AR's balance rises
// by the amount, a paid AR ("P") is open ("O") again, and the AR's activity records "BO" (backed out)
// or "CN" (canceled) with the amount and the balance after. Then:
// - A back out keeps the money: what one save backs out stays on the receipt as one new open excess
//   fund of the whole amount (OVR_PYMT_STTS_CD "O", the receipt's customer, the back office's day and
//   time), which can be transferred or refunded at once. The balances restored add up to it.
// - A cancel voids it, as for a check that came back unpaid: no excess fund is made. Cancelling the
//   whole receipt also closes its excess funds still open (status "C", CANCELED), since their money
//   never arrived either.
// A receipt backed out or canceled as a whole takes the status "B" or "C"; a backed-out receipt can
// still be canceled as a whole, nothing else.
#pragma once

#include "backoffice/LocalMoment.h"
#include "backoffice/SentRow.h"
#include "backoffice/StoredReceipt.h"
#include "common/ReplyMessage.h"
#include "common/RequestMessage.h"
#include "store/StoreConnection.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tavrik {

class ReceiptAdjustment {
public:
    // now: the back office's clock, for "today" and the time the changes are recorded at.
    ReceiptAdjustment(StoreConnection& database, LocalMoment now) : database_(database), now_(now) {}

    // Answers one request (an object serves one), within the caller's write transaction, which the
    // caller commits only when this returns. Every refusal is a RequestError thrown before anything
    // is written.
    ReplyMessage Handle(const RequestMessage& request);

private:
    // A payment of the receipt, with the AR it paid.
    struct StoredPayment {
        std::int64_t number = 0; // PYMT_NBR
        std::int64_t account = 0;
        std::int64_t checkDigit = 0;
        std::string type;
        std::string customerId;
        Currency amount;
        bool adjusted = false; // backed out or canceled already
    };
    struct Change {
        const StoredPayment* payment = nullptr;
        std::string action; // "B" or "C"
    };
    // An AR as the changes leave it.
    struct Account {
        Currency balance;
        std::string status;
    };

    void ReadAdjustment(const SentRow& row);
    void RequireCancelOnlyAllows(const RequestMessage& request, const DataTable* rows) const;
    void RequireReceiptAllows() const;
    void ReadStored();
    std::vector<Change> ReadChanges(const DataTable* rows) const;
    Change ReadChange(const SentRow& row) const;
    void RequireEveryUnadjustedPayment(const std::vector<Change>& changes) const;

    void Apply(const std::vector<Change>& changes);

    StoreConnection& database_;
    LocalMoment now_;
    std::string userNumber_; // LST_UPDT_USER_ID of the activity recorded
    StoredReceipt receipt_;
    CalendarDate day_;
    std::string comment_;
    std::string action_; // "B" or "C" for the whole receipt, "" for single payments
    std::map<std::int64_t, StoredPayment> payments_; // by TRNSCTN_NBR
    std::map<std::int64_t, Account> accounts_;       // the ARs the receipt paid, by number
};

} // namespace tavrik
