// Request types the library itself sends to the back office, beside the forms' own (47, 48, ...).
#pragma once

namespace tavrik {

// All rows of TVK_CODE, as data set "TVK_CODE", for the library's read-only copy of the code tables.
inline constexpr int kCodeTablesRequest = 1001;
// The signed-on user: key "key:USER_ID"; data sets "USERINFO" (one row) and "USERPRIVILEGE".
inline constexpr int kSessionRequest = 1002;
// What the library looks names and troops up in: data sets "APPUSER" (every user's number and name)
// and "TROOPDISTRICT" (one row per district of an enforcement troop).
inline constexpr int kReferenceDataRequest = 1003;

} // namespace tavrik
