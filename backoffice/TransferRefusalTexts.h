// The sentences the back office refuses a transfer of an excess fund (and its look-up) with, kept in
// one place beside RefusalTexts. Receipts and ARs appear as "0100001", amounts as "$25.00", and
// anything a client sent is quoted with QuotedForError.
#pragma once

#include "common/Currency.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrik {

class TransferRefusalTexts {
public:
    // Who receives it.
    static std::string NoSuchCustomer(std::string_view customer);
    static std::string SameCustomer(std::string_view customer);

    // The excess fund it moves.
    static constexpr std::string_view kNoTransferRow =
        "A transfer needs exactly one row with ACTION \"TRANSFER\" naming the excess fund and the amount.";
    static std::string NoSuchExcessFund(std::int64_t fund, std::string_view receipt);
    static std::string ExcessNotOpen(std::string_view receipt);
    static std::string NotConfirmed(std::string_view receipt);
    static std::string ExcessChangedSinceRead(std::string_view receipt);
    static std::string OnRefundWorksheet(std::string_view receipt, std::string_view refund);
    static constexpr std::string_view kAmountNotPositive = "The amount to transfer must be more than $0.00.";
    static std::string AmountAboveExcess(const Currency& amount, const Currency& open);
    static std::string NotWholeCents(std::string_view sent);

    // The ARs it pays.
    static std::string UnknownRowAction(std::string_view sent);
    static std::string AccountTwice(std::string_view account);
    static std::string NotTheReceiversAccount(std::string_view account, std::string_view customer);
    static std::string AccountChangedSinceRead(std::string_view account);
    static std::string AppliedNotPositive(std::string_view account);
    static std::string AppliedAboveBalance(std::string_view account, const Currency& applied,
                                           const Currency& balance);
    static std::string AppliedAboveAmount(const Currency& applied, const Currency& amount);
};

} // namespace tavrik
