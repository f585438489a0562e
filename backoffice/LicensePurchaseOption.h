// The License Purchase Option an adjustment sends when it removes an LPO fee (data set
// "CTTNADTNINFO"): checked as the dialog checks it, since the client is not trusted, and recorded
// as the AR's one LPO record.
#pragma once

#include "backoffice/SentRow.h"
#include "common/CalendarDate.h"
#include "common/Currency.h"
#include "store/StoreConnection.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tavrik {

class LicensePurchaseOption {
public:
    // Reads the row within the caller's transaction (the troops it names must exist). Throws
    // RequestError with the first rule the row breaks.
    static LicensePurchaseOption FromRow(StoreConnection& database, const SentRow& row,
                                         const CalendarDate& today);

    // Records it for the AR, replacing an earlier record.
    void Store(StoreConnection& database, std::int64_t account) const;

private:
    // In-state purchases carry the plate and the fields after it; any purchase may carry a comment.
    struct InState {
        std::string plate;
        CalendarDate day;
        std::string time;
        std::string troop;
        std::optional<std::string> district;
        std::int64_t weight = 0;
        Currency amount;
    };

    static InState ReadInState(StoreConnection& database, const SentRow& row, const CalendarDate& today);

    std::string state_; // "0" in state, "1" out of state
    std::optional<InState> inState_;
    std::optional<std::string> comment_;
};

} // namespace tavrik
