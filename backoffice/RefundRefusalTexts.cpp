#include "backoffice/RefundRefusalTexts.h"

#include "backoffice/RequestKeys.h"

namespace tavrik {

namespace {

std::string Text(std::string_view text) {
    return std::string(text);
}

std::string Worksheet(std::string_view refund) {
    return "Refund worksheet " + Text(refund);
}

} // namespace

std::string RefundRefusalTexts::RefundNumberNotValid(std::string_view sent) {
    return "The refund number " + QuotedForError(sent) + " is not valid: it has one to seven digits.";
}

std::string RefundRefusalTexts::NotHandedOut(std::string_view refund) {
    return "The refund number " + Text(refund) + " was not handed out by the back office.";
}

std::string RefundRefusalTexts::NoSuchRefund(std::string_view refund) {
    return "No refund worksheet has the number " + Text(refund) + ".";
}

std::string RefundRefusalTexts::OtherWorksheet(std::string_view refund, std::string_view customer,
                                               std::string_view receipt) {
    return Worksheet(refund) + " belongs to customer " + Text(customer) + " and receipt " + Text(receipt) +
           ", not to the customer or receipt sent.";
}

std::string RefundRefusalTexts::Final(std::string_view refund, std::string_view status) {
    return Worksheet(refund) + " has the final status \"" + Text(status) +
           "\" (refunded, transferred or voided) and cannot be saved or voided.";
}

std::string RefundRefusalTexts::NotNextStep(std::string_view refund, std::string_view stored,
                                            std::string_view sent) {
    return Worksheet(refund) + " has the status \"" + Text(stored) + "\", so it cannot move to " +
           QuotedForError(sent) + ": another officer may have saved it. Close it and open it again.";
}

std::string RefundRefusalTexts::SameOfficer(std::string_view userId, std::string_view refund) {
    return "The user " + Text(userId) + " has already recorded a step of refund worksheet " + Text(refund) +
           "; another officer must record this one.";
}

std::string RefundRefusalTexts::InProgress(std::string_view receipt, std::string_view refund) {
    return "The excess fund of receipt " + Text(receipt) + " is already on refund worksheet " + Text(refund) +
           ".";
}

std::string RefundRefusalTexts::NoOpenExcess(std::string_view receipt, std::string_view customer) {
    return "Receipt " + Text(receipt) + " has no open excess fund of customer " + QuotedForError(customer) +
           " to refund.";
}

std::string RefundRefusalTexts::AmountNotExcess(const Currency& amount, std::string_view receipt) {
    return "The refund amount " + amount.FormatDollars() + " is not that of an open excess fund of receipt " +
           Text(receipt) + ".";
}

std::string RefundRefusalTexts::ExcessNotOpen(std::string_view receipt) {
    return "The excess fund of receipt " + Text(receipt) +
           " is no longer open, so it cannot be refunded or "
           "transferred.";
}

std::string RefundRefusalTexts::MailedBeforeRefund(const CalendarDate& mailed, const CalendarDate& refunded) {
    return "The date mailed " + mailed.FormatUs() + " is before the refund date " + refunded.FormatUs() + ".";
}

} // namespace tavrik
