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
};

} // namespace tavrik
