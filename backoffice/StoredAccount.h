// An AR as the account requests find it, by its number as shown ("0012345") and its type.
#pragma once

#include "common/Currency.h"
#include "store/StoreConnection.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tavrik {

struct StoredAccount {
    std::int64_t number = 0;
    int checkDigit = 0;
    std::string type;
    std::string customerId;
    std::string status;       // ACCT_STTS_CD
    std::string activeStatus; // ACTV_STTS_CD, "I" inactive
    std::optional<std::string> caseId;
    Currency due;
    Currency balance;

    // "0012345", as an error text names it.
    std::string Shown() const;

    // Reads within the caller's transaction. Throws RequestError when the number is not up to seven
    // digits or no AR of that number has that type.
    static StoredAccount Find(StoreConnection& database, const std::string& shownNumber,
                              const std::string& type);
};

} // namespace tavrik
