// What the back-office tests share: requests as the library sends them, the desks of a store's
// clerks, reply tables rendered as text, and dumps of the tables an adjustment may change.
#pragma once

#include "backoffice/BackOffice.h"
#include "common/DataTable.h"
#include "common/RequestMessage.h"
#include "tests/support/Rendering.h"
#include "tests/support/TestStore.h"

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

// A request from user SUPER.
RequestMessage Request(int piNumber, std::vector<RequestKey> keys);
// A key as every request of the system sends it: operator "=", system "PENTRAX".
RequestKey Key(std::string name, std::string value);
// Request 47 for one receipt's detail, as the receipt detail form is opened.
RequestMessage ReceiptDetailRequest(std::string receipt, std::string detailFlag = "YES");
// A change a test makes to a request before it is sent.
using Change = std::function<void(RequestMessage&)>;
// Sets a field of the first row of the request's data set.
Change Set(std::string dataSet, std::string field, FieldValue value);
void Put(DataTable& table, std::size_t row, std::string_view field, FieldValue value);
std::string Repeat(const std::string& text, std::size_t count);
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
// Every row of receipt, payment, overpayment, acct_rcvbl and account_activity, as text.
std::string DumpReceipts(const std::string& store);

// The desks of one store's clerks, each opened on first use with the back office's clock at
// 09/15/2023 10:30:05. A request goes out from the desk of the user it names (where the engine knows
// its users, the desk is signed on as that user); a user id that names no clerk is sent from SUPER's
// desk.
class ClerkDesks {
public:
    explicit ClerkDesks(const TestStore& store) : store_(store) {}

    ReplyMessage Send(const RequestMessage& request);
    // Two clerks' requests handled at the same moment, each from its desk on a thread of its own;
    // answers both error texts ("" for an accepted request).
    std::set<std::string> SendAtOnce(const RequestMessage& first, const RequestMessage& second);

private:
    BackOffice& DeskOf(const RequestMessage& request);
    BackOffice& Desk(const std::string& user);

    const TestStore& store_;
    std::map<std::string, std::unique_ptr<BackOffice>> desks_;
};

} // namespace tavrik
