// The sentences the back office refuses receipt requests with (the receipt's detail, the adjustment
// of its payments), kept in one place beside RefusalTexts, whose general sentences (dates, comment,
// rows of an update) they share. Receipts and ARs appear as "0100001", dates as "mm/dd/yyyy", and
// anything a client sent is quoted with QuotedForError.
#pragma once

#include "common/CalendarDate.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrik {

class ReceiptRefusalTexts {
public:
    // Which receipt.
    static std::string DetailFlag(std::string_view sent);
    static std::string NoSuchReceipt(std::string_view receipt);
    static std::string NotTheCustomers(std::string_view receipt, std::string_view customer);

    // Who may do what to it.
    static std::string CancelOnly(std::string_view userId);
    static std::string BackedOutReceipt(std::string_view receipt);
    // status: RCPT_STTS_CD of a receipt neither open nor backed out.
    static std::string ClosedReceipt(std::string_view receipt, std::string_view status);

    // The adjustment row.
    static std::string OtherReceipt(std::string_view sent, std::string_view receipt);
    static std::string UnknownReceiptAction(std::string_view sent);
    static std::string BeforeReceipt(const CalendarDate& day, const CalendarDate& receiptDay);

    // The payment rows.
    static constexpr std::string_view kNothingToAdjust =
        "Choose payments to back out or cancel, or an action on the whole receipt.";
    static constexpr std::string_view kPaymentWithoutTransaction =
        "A payment row lacks the transaction number of its payment (TRNSCTN_NBR).";
    static std::string NotAPayment(std::int64_t transaction, std::string_view receipt);
    static std::string PaymentTwice(std::int64_t transaction);
    static std::string UnknownPaymentAction(std::string_view sent);
    static constexpr std::string_view kActionOfReceipt =
        "When the whole receipt is backed out or canceled, each of its payments takes the receipt's "
        "action.";
    static std::string PaymentAdjusted(std::string_view account);
    static std::string ChangedSinceRead(std::string_view receipt);
};

} // namespace tavrik
