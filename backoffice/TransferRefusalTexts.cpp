#include "backoffice/TransferRefusalTexts.h"

#include "backoffice/RequestKeys.h"
#include "common/SevenDigits.h"

namespace tavrik {

namespace {

std::string Text(std::string_view text) {
    return std::string(text);
}

} // namespace

std::string TransferRefusalTexts::NoSuchCustomer(std::string_view customer) {
    return "Customer " + QuotedForError(customer) +
           " was not found; choose the customer to receive the payment.";
}

std::string TransferRefusalTexts::SameCustomer(std::string_view customer) {
    return "Customer " + Text(customer) +
           " owns the receipt already; a transfer moves the payment to another customer.";
}

std::string TransferRefusalTexts::NoSuchExcessFund(std::int64_t fund, std::string_view receipt) {
    return "Excess fund " + std::to_string(fund) + " is not an excess fund of receipt " + Text(receipt) + ".";
}

std::string TransferRefusalTexts::NotWholeCents(std::string_view sent) {
    return "The amount " + QuotedForError(sent) +
           " has fractions of a cent: money moves in dollars and cents. Nothing was saved.";
}

std::string TransferRefusalTexts::OnRefundWorksheet(std::string_view receipt, std::string_view refund) {
    return "The excess fund of receipt " + Text(receipt) + " is on refund worksheet " + Text(refund) +
           ", which is under way. Void the worksheet before transferring the money. Nothing was saved.";
}

std::string TransferRefusalTexts::ExcessNotOpen(std::string_view receipt) {
    return "The excess fund of receipt " + Text(receipt) +
           " is no longer open: it was transferred, refunded or canceled. Nothing was saved.";
}

std::string TransferRefusalTexts::NotConfirmed(std::string_view receipt) {
    return "Receipt " + Text(receipt) +
           " is not confirmed or not open, so its excess fund cannot be transferred.";
}

std::string TransferRefusalTexts::ExcessChangedSinceRead(std::string_view receipt) {
    return "The excess fund of receipt " + Text(receipt) +
           " was changed by someone else since it was read. Nothing was saved; close the window and open "
           "the receipt again.";
}

std::string TransferRefusalTexts::AmountAboveExcess(const Currency& amount, const Currency& open) {
    return "The amount to transfer " + amount.FormatDollars() +
           " is more than the excess fund's open amount " + open.FormatDollars() + ".";
}

std::string TransferRefusalTexts::UnknownRowAction(std::string_view sent) {
    return "A transfer row's ACTION is \"TRANSFER\" or \"APPLY\", not " + QuotedForError(sent) + ".";
}

std::string TransferRefusalTexts::AccountTwice(std::string_view account) {
    return "AR " + Text(account) + " is paid twice in one transfer.";
}

std::string TransferRefusalTexts::NotTheReceiversAccount(std::string_view account,
                                                         std::string_view customer) {
    return "AR " + Text(account) + " is not an open AR of customer " + Text(customer) + ".";
}

std::string TransferRefusalTexts::AccountChangedSinceRead(std::string_view account) {
    return "AR " + Text(account) +
           " was changed by someone else since it was read. Nothing was saved; choose the customer again.";
}

std::string TransferRefusalTexts::AppliedNotPositive(std::string_view account) {
    return "The amount applied to AR " + Text(account) + " must be more than $0.00.";
}

std::string TransferRefusalTexts::AppliedAboveBalance(std::string_view account, const Currency& applied,
                                                      const Currency& balance) {
    return "The amount applied to AR " + Text(account) + " (" + applied.FormatDollars() +
           ") is more than its balance " + balance.FormatDollars() + ".";
}

std::string TransferRefusalTexts::AppliedAboveAmount(const Currency& applied, const Currency& amount) {
    return "The amounts applied (" + applied.FormatDollars() + ") are more than the amount to transfer " +
           amount.FormatDollars() + ".";
}

} // namespace tavrik
