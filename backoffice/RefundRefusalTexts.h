// The sentences the back office refuses a refund worksheet's save or void with, kept in one place
// beside RefusalTexts, whose general sentences (rows, dates, lengths, privileges) they share. Refunds
// and receipts appear as "0000101", amounts as "$41.00", and anything a client sent is quoted with
// QuotedForError.
#pragma once

#include "common/CalendarDate.h"
#include "common/Currency.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrik {

class RefundRefusalTexts {
public:
    // Which worksheet.
    static std::string RefundNumberNotValid(std::string_view sent);
    static std::string NotHandedOut(std::string_view refund);
    static std::string NoSuchRefund(std::string_view refund);
    static std::string OtherWorksheet(std::string_view refund, std::string_view customer,
                                      std::string_view receipt);

    // Where it stands.
    static std::string Final(std::string_view refund, std::string_view status);
    // stored: the status the store holds; sent: the status the worksheet asked to move to.
    static std::string NotNextStep(std::string_view refund, std::string_view stored, std::string_view sent);
    static std::string SameOfficer(std::string_view userId, std::string_view refund);

    // The excess fund a new worksheet refunds.
    static std::string InProgress(std::string_view receipt, std::string_view refund);
    static std::string NoOpenExcess(std::string_view receipt, std::string_view customer);
    static std::string AmountNotExcess(const Currency& amount, std::string_view receipt);
    static std::string ExcessNotOpen(std::string_view receipt);

    // The fields of a step.
    static constexpr std::string_view kRecipient =
        "Choose who receives the refund when issued: the taxpayer, the division or another (TO 2, 3 or 4).";
    static constexpr std::string_view kHeadquartersComment = "The headquarters comment is required.";
    static constexpr std::string_view kAmount = "The refund amount is missing or not an amount.";
    static constexpr std::string_view kRefundCode = "Choose Transferred or Refunded (RFND_CD 0 or 1).";
    static constexpr std::string_view kRefundCodeStatus =
        "A transferred worksheet moves to status \"T\" and a refunded one to status \"4\".";
    static constexpr std::string_view kWarrant = "A refunded worksheet needs its warrant number.";
    static constexpr std::string_view kFiscalComment =
        "A transferred worksheet needs the fiscal description of the transfer.";
    static std::string MailedBeforeRefund(const CalendarDate& mailed, const CalendarDate& refunded);
};

} // namespace tavrik
