#include "tests/backoffice/BackOfficeTestSupport.h"

#include "common/RequestNumbers.h"
#include "common/TextUtil.h"

#include <algorithm>
#include <cctype>
#include <latch>
#include <thread>

namespace tavrik {

RequestMessage Request(int piNumber, std::vector<RequestKey> keys) {
    RequestMessage request;
    request.messageId = "M1";
    request.formName = "Tavrik";
    request.piNumber = piNumber;
    request.userId = "SUPER";
    request.keys = std::move(keys);
    return request;
}

RequestKey Key(std::string name, std::string value) {
    return {std::move(name), std::move(value), "=", "PENTRAX"};
}

RequestMessage ReceiptDetailRequest(std::string receipt, std::string detailFlag) {
    return Request(
        47, {Key("key:RECEIPT_NBR", std::move(receipt)), Key("key:RECEIPT_DETL", std::move(detailFlag))});
}

Change Set(std::string dataSet, std::string field, FieldValue value) {
    return [=](RequestMessage& request) { Put(request.dataSets.at(dataSet), 0, field, value); };
}

void Put(DataTable& table, std::size_t row, std::string_view field, FieldValue value) {
    table.SetCell(row, table.FieldIndex(field).value(), value);
}

std::string Repeat(const std::string& text, std::size_t count) {
    std::string repeated;
    for (std::size_t each = 0; each < count; ++each)
        repeated += text;
    return repeated;
}

std::vector<std::string> Column(const DataTable& table, std::string_view field) {
    std::vector<std::string> values;
    std::size_t index = table.FieldIndex(field).value();
    for (std::size_t row = 0; row < table.RowCount(); ++row)
        values.push_back(table.Cell(row, index).ToStoreText());
    return values;
}

std::string Row(const DataTable& table, std::size_t row) {
    std::string text;
    for (const FieldValue& value : table.Row(row))
        text += value.ToStoreText() + "|";
    return text;
}

std::string DumpAccounts(const std::string& store) {
    std::string dump;
    for (const char* table : {"acct_rcvbl", "assessment", "account_activity", "cttn_adtn_info"})
        dump += QueryText(store, std::string("SELECT * FROM ") + table + " ORDER BY 1, 2");
    return dump;
}

std::string DumpReceipts(const std::string& store) {
    std::string dump;
    for (const char* table : {"receipt", "payment", "overpayment", "acct_rcvbl", "account_activity"})
        dump += QueryText(store, std::string("SELECT * FROM ") + table + " ORDER BY 1");
    return dump;
}

ReplyMessage ClerkDesks::Send(const RequestMessage& request) {
    return DeskOf(request).Handle(request);
}

std::set<std::string> ClerkDesks::SendAtOnce(const RequestMessage& first, const RequestMessage& second) {
    // Both desks are open before either thread starts.
    BackOffice& firstDesk = DeskOf(first);
    BackOffice& secondDesk = DeskOf(second);
    std::latch start(2);
    ReplyMessage secondReply;
    std::thread other([&] {
        start.arrive_and_wait();
        secondReply = secondDesk.Handle(second);
    });
    start.arrive_and_wait();
    const ReplyMessage firstReply = firstDesk.Handle(first);
    other.join();
    return {firstReply.errorText, secondReply.errorText};
}

BackOffice& ClerkDesks::DeskOf(const RequestMessage& request) {
    const bool plain =
        !request.userId.empty() && std::all_of(request.userId.begin(), request.userId.end(),
                                               [](unsigned char c) { return std::isalnum(c) != 0; });
    return Desk(plain ? ToUpper(request.userId) : "SUPER");
}

BackOffice& ClerkDesks::Desk(const std::string& user) {
    std::unique_ptr<BackOffice>& desk = desks_[user];
    if (!desk)
        desk = BackOffice::Open(store_.LocationFor(user), [] { return LocalTime(2023, 9, 15, 10, 30, 5); });
    return *desk;
}

} // namespace tavrik
