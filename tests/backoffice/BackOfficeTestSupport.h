// What the back-office tests share: requests as the library sends them, reply tables rendered as
// text, and a dump of the tables an adjustment may change.
#pragma once

#include "common/DataTable.h"
#include "common/RequestMessage.h"
#include "tests/support/Rendering.h"

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

// A request from user SUPER.
RequestMessage Request(int piNumber, std::vector<RequestKey> keys);
// A key as every request of the system sends it: operator "=", system "PENTRAX".
RequestKey Key(std::string name, std::string value);
// One column of a reply table, as stored text, in the reply's order.
std::vector<std::string> Column(const DataTable& table, std::string_view field);
// One row as stored text, each value followed by "|".
std::string Row(const DataTable& table, std::size_t row);
// The rows a query answers, each value followed by "|", each row by a line break.
inline std::string QueryText(const std::string& store, const std::string& sql) {
    return StoreRows(store, sql, kCellsEndedByBar);
}
// Every row of acct_rcvbl, assessment, account_activity and cttn_adtn_info, as text.
std::string DumpAccounts(const std::string& store);

} // namespace tavrik
