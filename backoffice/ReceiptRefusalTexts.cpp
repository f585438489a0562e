#include "backoffice/ReceiptRefusalTexts.h"

#include "backoffice/RequestKeys.h"

namespace tavrik {

namespace {

std::string Text(std::string_view text) {
    return std::string(text);
}

} // namespace

std::string ReceiptRefusalTexts::DetailFlag(std::string_view sent) {
    return "The back office answers a receipt's detail only with key:RECEIPT_DETL \"YES\", not " +
           QuotedForError(sent) + ".";
}

std::string ReceiptRefusalTexts::NoSuchReceipt(std::string_view receipt) {
    return "Receipt " + Text(receipt) + " was not found.";
}

std::string ReceiptRefusalTexts::NotTheCustomers(std::string_view receipt, std::string_view customer) {
    return "Receipt " + Text(receipt) + " is not a receipt of customer " + Text(customer) + ".";
}

std::string ReceiptRefusalTexts::CancelOnly(std::string_view userId) {
    return "The user " + Text(userId) +
           " may only cancel a whole receipt, not back one out or adjust single payments.";
}

std::string ReceiptRefusalTexts::BackedOutReceipt(std::string_view receipt) {
    return "Receipt " + Text(receipt) + " is backed out: it can only be canceled as a whole.";
}

std::string ReceiptRefusalTexts::ClosedReceipt(std::string_view receipt, std::string_view status) {
    if (status == "C")
        return "Receipt " + Text(receipt) + " is canceled and cannot be adjusted.";
    return "Receipt " + Text(receipt) + " has the status " + QuotedForError(status) +
           " and cannot be adjusted.";
}

std::string ReceiptRefusalTexts::OtherReceipt(std::string_view sent, std::string_view receipt) {
    return "The adjustment names receipt " + QuotedForError(sent) + ", but it was sent for receipt " +
           Text(receipt) + ".";
}

std::string ReceiptRefusalTexts::UnknownReceiptAction(std::string_view sent) {
    return "The receipt action " + QuotedForError(sent) +
           " is not known: choose B (back out), C (cancel) or none.";
}

std::string ReceiptRefusalTexts::BeforeReceipt(const CalendarDate& day, const CalendarDate& receiptDay) {
    return "The date adjusted " + day.FormatUs() + " is before the receipt date " + receiptDay.FormatUs() +
           ".";
}

std::string ReceiptRefusalTexts::NotAPayment(std::int64_t transaction, std::string_view receipt) {
    return "Transaction " + std::to_string(transaction) + " is not a payment of receipt " + Text(receipt) +
           ".";
}

std::string ReceiptRefusalTexts::PaymentTwice(std::int64_t transaction) {
    return "The payment of transaction " + std::to_string(transaction) + " appears twice in the adjustment.";
}

std::string ReceiptRefusalTexts::UnknownPaymentAction(std::string_view sent) {
    return "The payment action " + QuotedForError(sent) + " is not known: choose B (back out) or C (cancel).";
}

std::string ReceiptRefusalTexts::PaymentAdjusted(std::string_view account) {
    return "The payment to account receivable " + Text(account) +
           " has already been backed out or canceled. Nothing was saved; close the window and open the "
           "receipt again.";
}

std::string ReceiptRefusalTexts::ChangedSinceRead(std::string_view receipt) {
    return "Receipt " + Text(receipt) +
           " was changed by someone else since it was read. Nothing was saved; close the window and open "
           "the receipt again.";
}

} // namespace tavrik
