// Request 36: moves an open excess fund of a confirmed receipt ("key:OVRG_RCPT") to another customer,
// in part or whole, optionally paying that customer's open ARs. The rows, data set "EXCESS":
//   one ACTION "TRANSFER" row: RCPT_NBR (the receipt), OVR_PYMT_ID and ROW_VERSION (the excess fund
//     as read), CUST_ID (the receiving customer) and PYMT_AMT (the amount to move);
//   any ACTION "APPLY" rows, one per AR paid: ACCT_RCVBL_NBR, ACCT_RCVBL_CK_NBR, ACCT_RCVBL_TYP_CD,
//     CUST_ID and ROW_VERSION (the AR as read) and PYMT_AMT (what it is paid, at most its balance).
// The amount moves to a new confirmed receipt of the receiving customer: its payments reduce the ARs'
// balances (activity "PY"), and what they leave of the amount is an open excess fund of the new
// receipt, which can move again. The excess fund moved is closed as "T" with the new receipt as its
// destination; moving part of it closes that part and leaves the rest open on the receipt as a new
// excess fund. Money is conserved to the ten-thousandth. Answers the receipt's detail.
#pragma once

#include "backoffice/LocalMoment.h"
#include "backoffice/SentRow.h"
#include "backoffice/StoredReceipt.h"
#include "common/Currency.h"
#include "common/ReplyMessage.h"
#include "common/RequestMessage.h"
#include "store/StoreConnection.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavrik {

class TransferPayment {
public:
    // now: the back office's clock, for the new receipt's day and the time the changes are recorded.
    TransferPayment(StoreConnection& database, LocalMoment now) : database_(database), now_(now) {}

    // Answers one request (an object serves one), within the caller's write transaction, which the
    // caller commits only when this returns. Every refusal is a RequestError thrown before anything
    // is written.
    ReplyMessage Handle(const RequestMessage& request);

private:
    struct Excess {
        std::int64_t id = 0;
        std::string customerId;
        Currency amount;
    };
    // An AR paid, as the transfer leaves it.
    struct Payment {
        std::int64_t account = 0;
        Currency amount;
        Currency balance;
    };

    void RequireConfirmedReceipt() const;
    void RequireNoWorksheetUnderWay() const;
    void ReadTransfer(const SentRow& row);
    void RequireReceiver(const std::string& sent);
    Payment ReadPayment(const SentRow& row) const;

    void Apply();
    std::int64_t AddReceipt();
    void CloseExcess(std::int64_t destination);
    void AddPayments(std::int64_t receipt);
    void AddExcess(std::int64_t receipt, const std::string& customerId, Currency amount);

    StoreConnection& database_;
    LocalMoment now_;
    std::string userNumber_; // LST_UPDT_USER_ID of the activity recorded
    StoredReceipt receipt_;
    Excess excess_;
    std::string receiver_;
    Currency amount_;
    std::vector<Payment> payments_;
};

} // namespace tavrik
