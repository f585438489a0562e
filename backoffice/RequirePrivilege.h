// The check every handler that changes the store, or reads what only some officers may see, makes
// first: the sending user exists and holds the privilege the request needs.
#pragma once

#include "store/StoreConnection.h"

#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace tavrik {

// A privilege as user_privilege names it, and what it lets its holder do, as a refusal says it.
struct Privilege {
    std::string_view name;
    std::string_view deed;
};

inline constexpr Privilege kAdjustAccounts{"ADJUSTAR", "adjust accounts receivable"};
inline constexpr Privilege kAdjustReceipts{"ADJUSTRECEIPT", "adjust receipts"};
// Held beside kAdjustReceipts, it narrows that to cancelling whole receipts.
inline constexpr std::string_view kCancelReceiptsOnly = "ADJUSTRCPTCANCELONLY";

// Answers the user's number (the activity is recorded with it). Reads within the caller's
// transaction. Throws RequestError when the user id (trimmed, upper-cased) is unknown or the user
// lacks the privilege.
std::int64_t RequirePrivilege(StoreConnection& database, std::string_view userId, const Privilege& privilege);

// As RequirePrivilege, for a request that any one of several privileges allows; deed says what they
// all let their holder do, as the refusal says it.
void RequireAnyPrivilege(StoreConnection& database, std::string_view userId,
                         std::initializer_list<Privilege> privileges, std::string_view deed);

// Whether the user (trimmed, upper-cased) holds the privilege of that name. Reads within the caller's
// transaction.
bool HoldsPrivilege(StoreConnection& database, std::string_view userId, std::string_view privilege);

} // namespace tavrik
